#pragma once
// The one-week health and diet record. Called with left and right both 0 it
// draws nothing and fills the window's health controls instead.
#include <QDate>

struct RuledPaperOptions;

// startDate becomes the date the next page of the job starts from.
void DrawHealthSheet(RuledPaperOptions& o, double left, double right, QDate& startDate);
