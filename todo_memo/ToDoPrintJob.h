#pragma once
// The to-do print job: the pages of the list placed on sheets in one of the
// seven side modes, with the paper prompts between sides and sheets. The
// caller has shown the print dialog; the job ends the document itself.
#include <QString>
#include <cstdint>

#include "ToDoPage.h"

// 0 "表裏交互", 1 "裏表交互", 2 "表のみ", 3 "裏のみ", 4 "Ａ４両面", 5 "２折り",
// 6 "超整理" (the four-fold sizes only, which print nothing else).
int32_t ToDoPrintCode(int16_t superOrganiserMode, int sideMode);

struct SheetPlan;
// The sheets of a job of a print code (ToDoPrintCode): a page a list page,
// each ending the job when the list ends on it; no sheet for a code the size
// cannot print. States the width it sets side by side, then measures.
SheetPlan PlanToDoPrintJob(int32_t code);
// Runs the job for the side mode; a mode the organiser size cannot print
// is refused with "「<sideModeText>」は未対応です" and nothing printed.
void RunToDoPrintJob(const ToDoPageOptions& options, int sideMode, const QString& sideModeText);
