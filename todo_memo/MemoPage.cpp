#include "MemoPage.h"

#include <QStringList>
#include <algorithm>

#include "core/platform/Clock.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/text/OptionLine.h"

namespace {

// Three or more dashes and nothing else, blanks at the ends aside.
bool IsDashRule(const QString& line) {
  const QString t = line.trimmed();
  return t.size() >= 3 && std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'-'; });
}

void SetLineFont(const QString& line, const QString& subtitleMarks) {
  const bool subheading = line.isEmpty() || subtitleMarks.contains(line.at(0));
  const PaperSettingsData& p = PaperSettings;
  SetFontName(subheading ? p.DefaultFontName : p.DataFontName);
  SetFontSize(subheading ? p.DefaultFontSize : p.DataFontSize);
  SetForeColor(subheading ? p.DefaultColor : p.DataColor);
}

}  // namespace

bool DrawMemoPage(const MemoPageOptions& o, int page, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  SetCurrentY(0);
  DrawPageFrame(left, right);
  DrawPageHeader(page == 1 ? o.title : QString(), left, right);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  // Upright lines and rules step down by the surface's line height of the
  // line's font, one em, which is what the line count per page assumes.
  if (!o.turned) {
    SetCurrentY(p.DataHeight);
  } else {
    SetCurrentY(p.FootHeight);
    SetCurrentX(left);
  }
  const double lineWidth = 2 * p.DataFontSize / 5.67;
  // A font too large for a single line still puts one line on each page.
  const int perPage = std::max(1, o.linesPerPage);

  QStringList lines = o.body.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  int c = 1;
  int n = 0;
  bool inTable = false;
  bool done = true;
  // The last line can open the next page by itself: it must not be lost.
  bool placedBeyond = false;
  for (const QString& line : lines) {
    if (page < c) {
      done = false;
      break;
    }
    QString key, param, value;
    ParseParamItem(line, key, param, value);
    if ((key == u"TITLE" && !value.isEmpty()) || key == u"PAGE") {
      ++c;
      n = 0;
      continue;
    }
    if (n >= perPage) {
      ++c;
      n = 0;
    }
    if (IsDashRule(line)) {
      key = QStringLiteral("LINE");
      value = QStringLiteral("1");
    }
    if (key == u"TABLE") {
      inTable = true;
      continue;
    }
    if (key == u"TABLE_END") {
      inTable = false;
      continue;
    }
    if (inTable) continue;
    if (key == u"LINE") {
      if (page == c) {
        const double style = ParseNumber(value);
        if (!o.turned) {
          const float y = GetCurrentY();
          const double h = p.DataFontSize / 5.67;
          DrawStyledLine(style, left, y + h, right, y + h, p.LineColor);
          SetCurrentY(y);
          PrintTextNewLine(QString());
        } else {
          const double x = left + (n + 0.5) * lineWidth;
          DrawStyledLine(style, x, p.DataHeight, x, p.FootHeight, p.LineColor);
        }
      }
      placedBeyond |= c > page;
      ++n;
      continue;
    }
    if (page == c) {
      SetLineFont(line, o.subtitleMarks);
      if (!o.turned) {
        SetCurrentX(left);
        PrintTextNewLine(line);
      } else {
        SetCurrentX(left + n * lineWidth);
        SetCurrentY(p.FootHeight);
        PrintRotatedTextAtCursor(line + u' ');
      }
    }
    placedBeyond |= c > page;
    ++n;
  }
  if (placedBeyond) done = false;

  DrawPageFooter(QString(), left, right);
  SetFontName(p.HeadFontName);
  SetFontSize(p.DefaultFontSize - 2);
  SetForeColor(p.HeadColor);
  if (o.dateInFooter) {
    SetCurrentX(left);
    SetCurrentY(p.FootHeight);
    const QDateTime now = platform::CurrentDateTime();
    PrintTextInline(QStringLiteral("Date:") + now.toString(QStringLiteral("yyyy/MM/dd ")));
    PrintTextInline(QStringLiteral("Time:") + now.toString(QStringLiteral("hh:mm ")));
  }
  if (o.pageInFooter) {
    SetCurrentX(right - 12);
    SetCurrentY(p.FootHeight);
    PrintTextInline(QStringLiteral("P.") + QString::number(page));
  }
  return done;
}
