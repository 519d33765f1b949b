#include "ToDoPage.h"

#include <algorithm>
#include <cmath>

#include "ToDoLine.h"
#include "core/platform/Clock.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

constexpr int kMinRows = 7;
constexpr int kMaxRows = 40;
constexpr int kFourFoldRows = 30;
constexpr double kScaleWidth = 3.5;
// Items longer than this print in a smaller font and wrap.
constexpr int kShortItem = 22;
constexpr int kShortItemWithScale = 18;

QString RightAligned(int number, int width) { return QString::number(number).rightJustified(width, u' '); }

int32_t ImportanceColour(QChar letter) {
  switch (letter.unicode()) {
    case u'A': return 4;   // red
    case u'B': return -2;  // yellow
    case u'C': return 1;   // blue
    case u'D': return 2;   // green
    default: return PaperSettings.DataColor;
  }
}

// What a row of the walk shows: the item's text before its date, whether it
// exists, and whether it prints as a heading.
struct WalkItem {
  QString text;
  bool exists = false;
};

WalkItem ItemAt(const ToDoPageOptions& o, int i) {
  if (i < 0 || i >= o.items.size()) return {};
  QString text = o.items[i];
  const qsizetype tab = text.indexOf(todo::kTab);
  if (tab >= 0) text.truncate(tab);
  return {text, true};
}

// A heading is a real item whose text starts at level 0; the rows after the
// list stand for absent items and stay numbered rows.
bool IsHeading(const ToDoPageOptions& o, const WalkItem& item) {
  return o.ByLevel && item.exists && !(item.text.size() > 2 && todo::IsBlank(item.text.at(2)));
}

void DrawItemRow(const ToDoPageOptions& o, const WalkItem& item, int n, double t, double b, double y) {
  if (n == 0) {
    SetFontName(PaperSettings.DefaultFontName);
    SetFontSize(PaperSettings.DefaultFontSize);
    const bool done = !item.text.isEmpty() && item.text.at(0) == o.DoneMark;
    PrintTextNewLine(QStringLiteral("[ ") + item.text.mid(2) + (done ? QStringLiteral(" ] 済") : QStringLiteral(" ]")));
    return;
  }
  PrintTextInline(RightAligned(n, 3));
  if (!item.exists) {
    PrintTextNewLine(QStringLiteral("□"));
    return;
  }
  QString text = item.text.mid(2);
  int indent = 0;
  while (indent < text.size() && todo::IsBlank(text.at(indent))) ++indent;
  text = text.mid(indent);
  if (o.ByLevel) indent = std::max(0, indent - 1);
  PrintTextInline(item.text.left(1) + u' ');
  SetForeColor(ImportanceColour(item.text.size() > 1 ? item.text.at(1) : QChar(u' ')));
  PrintTextInline(QString(indent, todo::kLevelBlank));
  const int limit = o.HourScaleKind != 0 ? kShortItemWithScale : kShortItem;
  if (item.text.size() <= limit) {
    PrintTextNewLine(text);
    return;
  }
  SetCurrentY(y + 0.2);
  const double startX = GetCurrentX();
  SetFontSize(PaperSettings.DataFontSize - 2);
  for (qsizetype i = 0; i < text.size();) {
    PrintTextInline(NextCharacter(text, i));
    if (GetCurrentX() > b - 3 && i < text.size()) {
      PrintTextNewLine(QString());
      SetCurrentX(startX);
    }
  }
  PrintTextNewLine(QString());
}

void DrawHourScale(int16_t kind, double a, double b, double t) {
  const double top = PaperSettings.DataHeight;
  const double bottom = PaperSettings.FootHeight;
  for (double x : {a, a + kScaleWidth, b, t}) DrawStyledLine(1, x, top, x, bottom, PaperSettings.LineColor);
  const int hours = kind == 1 ? 12 : kind == 2 ? 16 : 24;
  const double step = (bottom - top - 2) / hours;
  int k = 7;
  for (int line = 0;; ++line) {
    const double y = top + line * step;
    if (y > bottom - 3) break;
    DrawStyledLine(1, a, y, a + kScaleWidth, y, PaperSettings.LineColor);
    SetCurrentY(y + 0.5);
    SetCurrentX(a + 0.5);
    SetFontName(PaperSettings.DefaultFontName);
    SetFontSize(PaperSettings.DefaultFontSize - 2);
    SetForeColor(PaperSettings.DefaultColor);
    ++k;
    PrintTextNewLine(RightAligned(k, 2));
    if (k >= 24) k = 0;
  }
}

}  // namespace

int16_t ToDoRowsPerPage(const QString& rowsText, int16_t superOrganiserMode) {
  if (superOrganiserMode == 1) return kFourFoldRows;
  const double rows = RoundHalfEven(ParseNumber(rowsText));
  if (!(rows >= kMinRows)) return kMinRows;
  return static_cast<int16_t>(std::min<double>(rows, kMaxRows));
}

QString ToDoPageTitle(const QString& fileTitle) {
  QString title = fileTitle.trimmed();
  if (title.toUpper().endsWith(QStringLiteral(".TXT"))) title.chop(4);
  return title;
}

bool DrawToDoPage(const ToDoPageOptions& o, int P, double a, double b) {
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(a, b);
  const double t = o.HourScaleKind != 0 ? a + (b - a) / 4 : a;
  const int R = ToDoRowsPerPage(o.RowsText, PaperSettings.SuperOrganiserMode);
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(PaperSettings.DataFontSize);
  const double h = (PaperSettings.FootHeight - PaperSettings.DataHeight - 1.0) / R;

  // The walk past the list is bounded by the rows of the pages up to P.
  int i = 0, c = 1, r = 0, n = 0;
  for (;;) {
    bool advance = true;
    const WalkItem item = ItemAt(o, i);
    if (o.PrintItems) {
      if (!o.PrintDone && item.exists && !item.text.isEmpty() && item.text.at(0) == o.DoneMark) advance = false;
      ++n;
      if (IsHeading(o, item)) {
        n = 0;
        advance = true;
        if (r == R - 1) ++r;
      }
    }
    if (advance) {
      ++r;
      if (r > R) {
        r = 1;
        ++c;
      }
    }
    if (c > P) break;
    if (c == P && advance) {
      const double y = PaperSettings.DataHeight + (r - 1) * h + 0.5;
      if (r != 1) DrawStyledLine(-1, t, y, b, y, PaperSettings.LineColor);
      SetForeColor(PaperSettings.DefaultColor);
      SetFontName(PaperSettings.DataFontName);
      SetFontSize(PaperSettings.DataFontSize);
      SetCurrentX(t);
      SetCurrentY(y + (h - 2 * HalfCharWidthMm(GetFontSize())) / 2);
      if (!o.PrintItems) {
        PrintTextInline(RightAligned(r, 3));
        PrintTextNewLine(QStringLiteral("□"));
      } else {
        DrawItemRow(o, item, n, t, b, y);
      }
    }
    ++i;
  }

  if (o.HourScaleKind != 0) DrawHourScale(o.HourScaleKind, a, b, t);
  DrawPageHeader(o.PrintItems ? ToDoPageTitle(o.FileTitle) : QString(), a, b);
  const bool footerText = PaperSettings.SuperOrganiserMode != 1 || a == 0;
  DrawPageFooter(footerText ? QStringLiteral("To-Do / Don't Forget") : QString(), a, b);
  if (o.PrintItems) {
    SetCurrentX(b - 18 * HalfCharWidthMm(GetFontSize()));
    PrintTextInline(platform::CurrentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm")));
  }
  return i > o.items.size();
}
