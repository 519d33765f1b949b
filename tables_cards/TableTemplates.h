#pragma once
// The 40 ready-made tables of the table window and how one is applied.
#include <QString>
#include <cstdint>

#include "TableOptions.h"

constexpr int16_t kTableTemplateCount = 40;

// The value of one key ("TITLEJ", "TITLE", "COLS", "COLW", "COLN", "ROWS",
// "TITLEL", "SAMPLE", "MEN", "BIKO", "YOKO", "NOTITLE", "FONTSIZE",
// "KEISEN_YOKO") for one template; the key's default for anything unknown.
// Templates 37 and 38 are built from ScheduleToday().
QString TableTemplateValue(const QString& key, int16_t number);

// The position of the font-size list item whose number equals the value's
// number; current when no item matches. An empty value is the default item.
int16_t TableFontSizePosition(const QString& value, int16_t current);

// Sets every option a template decides. In four-fold mode only "超整理型"
// can print, so the side goes there whatever the template says.
void ApplyTableTemplate(TableOptions& options, int16_t number, bool superOrganiserMode);
