#include "CardPrint.h"

#include <algorithm>

#include <cmath>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/print/BinderMarks.h"
#include "core/print/SheetPlan.h"
#include "core/print/JobPaper.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"
#include "TablePrinting.h"
#include "core/text/Numbers.h"

namespace {
constexpr int kMaxSteps = kTableMaxPasses;
}

namespace {
// A value printed this far past the card's edge is still on it: the
// measure and the drawing round apart by less.
constexpr double kCardEdgeSlackMm = 0.01;

// "<number>件目のカード「<first value>」" of the record at index r.
QString CardNameOf(const QStringList& records, qsizetype r) {
  QString first;
  if (r >= 0 && r < records.size())
    for (const QString& value : SplitCsvFields(records[r], kCardListLimit))
      if (!TrimBlanks(value).isEmpty()) {
        first = TrimBlanks(value).left(40);
        break;
      }
  return QStringLiteral("%1件目のカード「%2」").arg(r + 1).arg(first);
}
}  // namespace

QString CardJob::LastPrintedName() const { return CardNameOf(records, lastPrinted); }

QString CardOverrunNotice(const CardJob& job) {
  if (job.overrunColumns.empty()) return QString();
  QStringList names;
  for (const int j : job.overrunColumns) names << TrimBlanks(job.columnNames.value(j));
  return QStringLiteral("カードの右端からはみ出した項目: ") + names.join(QStringLiteral("、")) +
         QStringLiteral("\n(最初は") + CardNameOf(job.records, job.firstOverrun) + QStringLiteral(")");
}

void CardJob::Load(const QByteArray& content, const std::vector<CardColumn>& columns) {
  records.clear();
  const QStringList lines = platform::DecodeTextLines(content);
  int i = 0;
  while (i < lines.size() && lines[i].startsWith(u'@')) ++i;
  QString header;
  if (i < lines.size()) header = lines[i++];
  // The line right after the header is a record whatever it starts with;
  // later option lines are skipped.
  if (i < lines.size()) records << lines[i++];
  for (; i < lines.size(); ++i)
    if (!lines[i].startsWith(u'@')) records << lines[i];
  columnNames = SplitCsvFields(header, kCardListLimit);
  places.assign(size_t(columnNames.size()), std::nullopt);
  for (const CardColumn& column : columns) {
    if (column.position.isEmpty() || column.headerIndex < 1 || column.headerIndex > columnNames.size()) continue;
    const std::optional<CardPoint> at = ParseCardPosition(column.position);
    // Off the card it would print off the page; the layout editor names it.
    if (at && CardPointOnCard(*at)) places[size_t(column.headerIndex - 1)] = at;
  }
}

int CardJob::CardsPerPage(double spanWidth) const {
  const double c = spanWidth / kCardLayoutWidthMm * cardHeight;
  if (c <= 0) return 0;
  return int(std::floor((PaperSettings.FootHeight - PaperSettings.DataHeight) / c));
}

QString CardJobRefusal(const CardJob& job, double spanWidth) {
  if (job.cardHeight <= 0) return QStringLiteral("カードに項目が配置されていません");
  if (job.CardsPerPage(spanWidth) < 1) return QStringLiteral("カードが用紙の高さに入りません");
  return QString();
}

bool PrintCardSheet(int page, double left, double right, const CardJob& job) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageHeader(TrimBlanks(job.title), left, right);
  SetPrinterScaleMode(kScaleMillimetres);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  // Cards print in the header's colour, set here rather than left over from
  // the header; a position's own colour, font and size are for the screen.
  SetForeColor(p.HeadColor);
  const double s = (right - left) / kCardLayoutWidthMm;
  const double c = s * job.cardHeight;
  const int n = job.CardsPerPage(right - left);
  const qsizetype first = qsizetype(page - 1) * n;
  int slot = 0;
  for (qsizetype r = first; n > 0 && r < job.records.size() && r < first + n; ++r, ++slot) {
    job.lastPrinted = std::max(job.lastPrinted, r);
    const QStringList values = SplitCsvFields(job.records[r], kCardListLimit);
    const double top = p.DataHeight + slot * c;
    for (int j = 0; j < job.columnNames.size(); ++j) {
      const QString name = TrimBlanks(job.columnNames[j]);
      if (name.isEmpty() || !job.places[size_t(j)]) continue;
      const CardPoint at = *job.places[size_t(j)];
      SetCurrentX(left + s * at.x);
      SetCurrentY(top + s * at.y);
      if (job.withNames) PrintTextInline(name + QStringLiteral(":"));
      const QString value = j < values.size() ? TrimBlanks(values[j]) : QString();
      // A value too long for its place prints past the card into the
      // margin or off the sheet: the user hears which after the job.
      if (GetCurrentX() + MeasureTextWidth(value) > right + kCardEdgeSlackMm) {
        if (std::find(job.overrunColumns.begin(), job.overrunColumns.end(), j) == job.overrunColumns.end())
          job.overrunColumns.push_back(j);
        if (job.firstOverrun < 0) job.firstOverrun = r;
      }
      PrintTextNewLine(value);
    }
    DrawStyledLine(1, left, top + c, right, top + c, p.LineColor);
  }
  const bool done = first + n >= job.records.size();
  // Every page shows n card boxes, filled or not.
  for (int k = slot == 0 ? 0 : slot + 1; k <= n; ++k)
    DrawStyledLine(1, left, p.DataHeight + k * c, right, p.DataHeight + k * c, p.LineColor);
  DrawPageFooter(QString(), left, right);
  return done;
}

// No prompt follows the last page allowed: the job ends there, and the
// caller says so.
SheetPlan PlanCardPages(int sideLayout) {
  const PaperSettingsData& p = PaperSettings;
  const PageSpan front = FrontPageSpan(), back = BackPageSpan();
  SheetPlan plan;
  if (sideLayout == 0 || sideLayout == 1) {
    SheetPrompt before;
    for (int t = 1; t <= kMaxSteps; ++t) {
      const bool atFront = (t % 2 == 1) == (sideLayout == 0);
      const PageSpan span = atFront ? front : back;
      PlannedSide side;
      side.prompt = before;
      side.pages = {ListPage(t, span)};
      plan.sides.push_back(std::move(side));
      before = SheetPrompt::PaperSet(atFront ? 1 : 0);
    }
    return plan;
  }
  // Two pages across a side: the width goes first, since the PDF printer's
  // paper follows it and the right half is measured on that paper. Every
  // page of a sheet is drawn; the cards ending on any ends the job with it.
  SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
  const double S = GetScaleWidth();
  const double R = RoundHalfEven(S - p.PageWidth + p.PageLeft - 0.4);
  const double E = RoundHalfEven(S - 0.4);
  for (int t = 1; t <= kMaxSteps; ++t) {
    PlannedSide frontSide;
    frontSide.prompt = t > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{};
    frontSide.previewOutline = 0;
    frontSide.pages = {ListPage(4 * t, back, DataEnd::EndsAfterNextSide),
                       ListPage(4 * t - 3, {R, E}, DataEnd::EndsAfterNextSide)};
    frontSide.binderMarks = kFacingPages;
    PlannedSide backSide;
    backSide.prompt = SheetPrompt::PaperSet(1);
    backSide.pages = {ListPage(4 * t - 2, back, DataEnd::EndsWithSide),
                      ListPage(4 * t - 1, {R, E}, DataEnd::EndsWithSide)};
    plan.sides.push_back(std::move(frontSide));
    plan.sides.push_back(std::move(backSide));
  }
  return plan;
}

bool RunCardPages(int sideLayout, const CardJob& job) {
  const DataPageDrawer draw = [&job](const PlannedPage& page) {
    return PrintCardSheet(page.item, page.x1, page.x2, job);
  };
  return RunSheetPlan(PlanCardPages(sideLayout), draw) == SheetPlanOutcome::PlanDone;
}
