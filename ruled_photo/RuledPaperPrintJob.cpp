#include "RuledPaperPrintJob.h"

#include <cmath>

#include "RuledPaperDesigns.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"

RuledPageSink::~RuledPageSink() = default;

namespace {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::ShowMessage;

struct Placement {
  double left = 0;
  double right = 0;
};

SheetPattern Pattern(int design, int side) {
  using P = SheetPattern;
  // Columns: 表, 裏, A4両面, A4片面, ２つ折り用紙.
  static const P table[kRuledDesignCount][5] = {
      {P::One, P::One, P::PairNoPrompts, P::PairNoPrompts, P::Unsupported},           // one-point
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // graph
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // dot
      {P::Blank, P::Blank, P::Blank, P::Blank, P::Unsupported},                        // blank
      {P::OneFinishAtEnd, P::OneFinishAtEnd, P::Pair, P::Pair, P::Unsupported},        // ruled
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // staff
      {P::Once, P::Unsupported, P::Unsupported, P::Unsupported, P::Unsupported},       // ruler
      {P::One, P::One, P::PairMarksEvery, P::PairMarksEvery, P::Folded},               // health
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // manuscript
      {P::One, P::Unsupported, P::Unsupported, P::Pair, P::Unsupported},               // go
      {P::One, P::Unsupported, P::Unsupported, P::Pair, P::Unsupported},               // shogi
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // number place
      {P::One, P::One, P::Pair, P::Pair, P::Folded},                                   // shop list
      {P::One, P::Unsupported, P::Unsupported, P::Unsupported, P::Unsupported},        // risk
      {P::One, P::Unsupported, P::Unsupported, P::Pair, P::Unsupported},               // project
      {P::Once, P::Once, P::Unsupported, P::Unsupported, P::Unsupported},              // age table
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // to-do
      {P::One, P::One, P::Unsupported, P::Unsupported, P::Unsupported},                // wide to-do
      {P::One, P::One, P::Pair, P::Pair, P::Unsupported},                              // sticky notes
      {P::One, P::Unsupported, P::Unsupported, P::Pair, P::Unsupported},               // lattice
      {P::One, P::One, P::Unsupported, P::Unsupported, P::Unsupported},                // minutes
      {P::KanjiPages, P::Unsupported, P::Unsupported, P::Unsupported, P::Unsupported}, // kanji
  };
  if (design < 0 || design >= kRuledDesignCount || side < 1 || side > 5) return P::Unsupported;
  return table[design][side - 1];
}

void ShowUnsupported(const QString& design, const QString& side) {
  ShowMessage(QStringLiteral("「") + design + QStringLiteral("」の「") + side +
              QStringLiteral("」はまだ出来ていません。要望があれば作ります。"));
}

class Job {
 public:
  Job(const RuledPrintRequest& request, RuledPageSink& pages) : r_(request), pages_(pages) {}

  void run(const QDate& start) {
    job_.startDate = start;
    const PaperSettingsData& p = PaperSettings;
    SetPrinterScaleMode(kScaleMillimetres);
    if (p.SuperOrganiserMode != 1) stateSideWidth();
    const double S = GetScaleWidth();
    front_ = {double(p.PageLeft), double(p.PageWidth)};
    back_ = {0, double(p.PageWidth - p.PageLeft)};
    a4Copy_ = {S - p.PageWidth + p.PageLeft, S - 0.2};
    folded_ = {double(p.PageWidth + 2), double(2 * p.PageWidth - p.PageLeft + 2)};
    if (r_.design == kDesignHealth) a4Copy_ = {RoundHalfEven(a4Copy_.left), RoundHalfEven(a4Copy_.right)};
    if (r_.cellSizeIndex >= 0 && r_.cellSizeIndex < 10)
      job_.cellSize = float(r_.cellSizeIndex + 1);
    else if (r_.cellSizeIndex == 10)
      job_.cellSize = 15;
    job_.year = r_.thisYear + r_.nextYear;

    const bool fourFold = p.SuperOrganiserMode == 1;
    SetPrinterOrientation(fourFold ? kLandscape : kPortrait);
    if (fourFold)
      runFourFold();
    else
      runSides();
  }

 private:
  // Two pages across a side, and the marks drawn with them: they go first,
  // since the PDF printer's paper follows them and the right half is
  // measured on that paper. A blank sheet marks out the same two pages.
  void stateSideWidth() const {
    const int side = r_.side + 1;
    switch (Pattern(r_.design, side)) {
      case SheetPattern::Pair:
      case SheetPattern::PairNoPrompts:
      case SheetPattern::PairMarksEvery:
        if (side == kSideA4Both)
          SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
        else
          SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0), kLeftBoundPages);
        break;
      case SheetPattern::Folded: SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages); break;
      case SheetPattern::Blank: SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0), kLeftBoundPages); break;
      default: break;
    }
  }

  // The sheet count, or -1 after telling the user that it is too large.
  double sheets() {
    const double n = RuledSheetCount(r_.sheetsText);
    if (n > kMostSheets) {
      ShowMessage(QStringLiteral("印刷枚数が多すぎます（32767枚まで）"));
      return -1;
    }
    return n;
  }

  // The pages of the job: a design page as it is, one of a given year (the
  // four-fold sheets), a kanji page (the data ends on it), or an empty text.
  enum RuledRenderer : int16_t { kRuledPage, kRuledYearPage, kRuledKanjiPage, kRuledEmptyText };

  static PlannedPage At(int16_t renderer, const Placement& at, int item = 0) {
    return {renderer, QDate(), item, at.left, at.right};
  }

  bool draw(const PlannedPage& planned) {
    switch (planned.renderer) {
      case kRuledEmptyText: PrintTextInline(QString()); return false;
      case kRuledYearPage: job_.year = planned.item; break;
      case kRuledKanjiPage: job_.kanjiPage = int16_t(planned.item); break;
      default: break;
    }
    if (r_.design == kDesignBlank)
      PrintTextInline(QString());
    else
      pages_.drawPage(r_.design, planned.x1, planned.x2, job_);
    return planned.renderer == kRuledKanjiPage && job_.kanjiPage == 0;
  }

  void runPlan(const SheetPlan& plan) {
    RunSheetPlan(plan, DataPageDrawer([this](const PlannedPage& planned) { return draw(planned); }));
  }

  void runSides() {
    const int side = r_.side + 1;
    const SheetPattern pattern = Pattern(r_.design, side);
    if (pattern == SheetPattern::Unsupported) {
      ShowUnsupported(r_.designCaption, r_.sideCaption);
      return;
    }
    if (r_.design == kDesignHealth && side == kSideA4Both &&
        (r_.healthDateKind == 1 || r_.healthDateKind == 2)) {
      ShowMessage(QStringLiteral("まだ印刷できません"));
      return;
    }
    Placement first = side == kSideBack ? back_ : front_;
    if (r_.design == kDesignMinutes) {
      job_.minutesSheet = side == kSideBack ? 2 : 1;
      first = front_;
    }

    SheetPlan plan;
    if (pattern == SheetPattern::Once) {
      plan.sides = {PlanSide({}, {At(kRuledPage, first)})};
      runPlan(plan);
      return;
    }
    if (pattern == SheetPattern::KanjiPages) {
      for (int i = 1; i <= 100; ++i) {
        PlannedSide kanji = PlanSide({}, {At(kRuledKanjiPage, front_, i)});
        kanji.pages[0].onDataEnd = DataEnd::EndsJob;
        plan.sides.push_back(std::move(kanji));
      }
      runPlan(plan);
      return;
    }

    const double n = sheets();
    for (double sheet = 1; sheet <= n; ++sheet) {
      const bool odd = std::fmod(sheet, 2) == 1;
      switch (pattern) {
        case SheetPattern::One:
        case SheetPattern::OneFinishAtEnd: {
          PlannedSide one = PlanSide({}, {At(kRuledPage, first)});
          one.finishes = pattern == SheetPattern::One || sheet + 1 > n;
          plan.sides.push_back(std::move(one));
          break;
        }
        case SheetPattern::Pair:
        case SheetPattern::PairNoPrompts:
        case SheetPattern::PairMarksEvery: {
          const bool prompts = pattern != SheetPattern::PairNoPrompts;
          PlannedSide pair = PlanSide(sheet > 1 && prompts ? SheetPrompt::PaperSet(2) : SheetPrompt{},
                                      {At(kRuledPage, side == kSideA4Both ? back_ : front_), At(kRuledPage, a4Copy_)},
                                      prompts ? 0 : 1);
          if (odd || pattern == SheetPattern::PairMarksEvery)
            pair.binderMarks = side == kSideA4Both ? kFacingPages : kLeftBoundPages;
          plan.sides.push_back(std::move(pair));
          break;
        }
        case SheetPattern::Folded: {
          PlannedSide folded = PlanSide({}, {At(kRuledPage, front_), At(kRuledPage, folded_)}, 0);
          folded.binderMarks = kSideBySidePages;
          plan.sides.push_back(std::move(folded));
          break;
        }
        case SheetPattern::Blank: {
          PlannedSide blank =
              PlanSide(sheet > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{}, {At(kRuledEmptyText, front_)}, 0);
          blank.binderMarks = kLeftBoundPages;
          plan.sides.push_back(std::move(blank));
          break;
        }
        default:
          break;
      }
    }
    runPlan(plan);
  }

  void runFourFold() {
    const int d = r_.design;
    if (d == kDesignRisk || d >= kDesignStickyNote) {
      ShowUnsupported(r_.designCaption, QStringLiteral("超整理型"));
      return;
    }
    const PaperSettingsData& p = PaperSettings;
    const int firstYear = job_.year;
    const double n = sheets();
    SheetPlan plan;
    for (double sheet = 1; sheet <= n; ++sheet) {
      PlannedSide side = PlanSide({}, {}, 0);
      for (int k = 1; k <= 4; ++k)
        side.pages.push_back(At(kRuledYearPage, {double(p.SheetPageX[k]), double(p.SheetPageY[k])}, firstYear + k - 1));
      plan.sides.push_back(std::move(side));
    }
    runPlan(plan);
  }

  const RuledPrintRequest& r_;
  RuledPageSink& pages_;
  RuledJobState job_;
  Placement front_, back_, a4Copy_, folded_;
};

}  // namespace

double RuledSheetCount(const QString& text) { return RoundHalfEven(ParseNumber(text)); }

void RunRuledPaperPrint(const RuledPrintRequest& r, RuledPageSink& pages) {
  if (r.design < 0 || r.design >= kRuledDesignCount) {
    ShowMessage(QStringLiteral("印刷する用紙を選んでください"), MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  QDate start;
  if (r.designCaption.contains(QStringLiteral("ダイエット"))) {
    start = DateFromText(r.startDateText);
    if (!start.isValid()) {
      ShowMessage(QStringLiteral("日付を正しく入力してください"));
      return;
    }
  }
  pages.setBusy(true);
  Job job(r, pages);
  job.run(start);
  EndPrintDocument();
  pages.setBusy(false);
}
