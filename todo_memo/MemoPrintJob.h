#pragma once
// The memo print job: the pages of the title and body placed on sheets in
// one of ten layouts, with the paper prompts between sides and sheets. The
// caller has shown the print dialog; the job ends the document itself.
#include <QString>
#include <cstdint>

#include "MemoPage.h"

// "表裏交互", "裏表交互", "Ａ４両面", "表(奇数頁)", "裏(偶数頁)", "表面", "裏面",
// "A4表に2枚", "A4に2折り", "４折り" (the last for the four-fold sizes only,
// which print nothing else).
int32_t MemoPrintCode(int16_t superOrganiserMode, int layout);

struct SheetPlan;
// The sheets of a job of a print code (MemoPrintCode) from the start page on
// a sheet sheetWidth mm wide; no sheet for a code the size cannot print.
SheetPlan PlanMemoPrintJob(int32_t code, int startPage, double sheetWidth);
// Runs the job from the start page; a layout the organiser size cannot
// print is refused with "「<layoutText>」は未対応です".
void RunMemoPrintJob(const MemoPageOptions& options, int layout, const QString& layoutText, int startPage);
