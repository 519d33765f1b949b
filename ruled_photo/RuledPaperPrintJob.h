#pragma once
// The print button of the ruled-paper window: where each organiser page of the
// chosen design lies on the sheets of the chosen side, the paper prompts and
// binder marks between them, and the four-fold job.
#include <QDate>
#include <QString>
#include <cstdint>

// What the job reads of the window once, before the first page.
struct RuledPrintRequest {
  int design = -1;   // position in the design list, -1 none
  int side = 0;      // position in the side list
  QString designCaption;
  QString sideCaption;
  QString sheetsText = QStringLiteral("1");  // the sheet-count box
  QString startDateText;                     // the health sheet's start date
  int healthDateKind = 0;                    // the health sheet's date-kind list
  int cellSizeIndex = 2;                     // the graph-paper cell list
  int16_t nextYear = 1;                      // the age table's 来年 box
  int thisYear = 0;                          // from the clock
};

// The values a page drawer gets besides its placement; the start date and the
// kanji page carry over from page to page.
struct RuledJobState {
  float cellSize = 0;
  QDate startDate;
  int16_t kanjiPage = 1;
  int year = 0;
  int16_t minutesSheet = 1;
};

// The window's side of the job.
class RuledPageSink {
 public:
  virtual ~RuledPageSink();
  // The window is disabled with the hourglass shown while a job runs.
  virtual void setBusy(bool busy) = 0;
  // One page of the design between left and right (mm) on the current sheet.
  virtual void drawPage(int design, double left, double right, RuledJobState& job) = 0;
};

// The layout of the sheets for a design on a side (1 表 .. 5 ２つ折り用紙).
enum class SheetPattern {
  Unsupported,
  One,             // a page per sheet
  OneFinishAtEnd,  // the same, but the sheets are finished once after the last
  Pair,            // two pages per A4 sheet, prompts between sheets, marks on odd sheets
  PairNoPrompts,   // the same without prompts, the preview keeping its page outline
  PairMarksEvery,  // Pair with binder marks on every sheet
  Folded,          // two pages side by side on a sheet folded in two
  Blank,           // a blank A4 sheet with the cut lines of one page
  Once,            // a single page whatever the sheet count
  KanjiPages,      // pages until the list ends
};

// Sheets asked for by the text of the sheet-count box (leading number,
// halves to the even neighbour).
double RuledSheetCount(const QString& text);
constexpr double kMostSheets = 32767;

// The whole job for the request, from the design check to the end of the
// print document.
void RunRuledPaperPrint(const RuledPrintRequest& request, RuledPageSink& pages);
