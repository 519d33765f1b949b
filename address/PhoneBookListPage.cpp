#include "PhoneBookListPage.h"

#include <cmath>
#include <vector>

#include "AddressPrintLines.h"
#include "PhoneBookHeader.h"
#include "PhoneBookPageWalk.h"
#include "ReadingKeys.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/CsvEscape.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {


// One printed row of an entry: a left item at the text margin and perhaps a
// right item in the second column.
struct ListRow {
  enum class Left { Inline, NameThenNick, Fitted, Wrapped, WrappedRemark };
  Left mode = Left::Inline;
  QString name;         // NameThenNick: printed in the default font first
  QString left;
  QStringList parts;    // the wrapped rows: the text of each counted line
  QString right;
  bool rightPastColumn = false;  // the fax alone, one millimetre into the column
  bool endsWithNewLine = true;   // rows 7 on: the text ends the line itself
  int lines = 1;
};

struct ListGeometry {
  double textX = 0, x2 = 0, fitLimit = 0, right = 0;
};

ListGeometry GeometryOf(double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const double w = RoundHalfEven((p.PageWidth - p.PageLeft) * 55.0 / 100.0);
  return {left + 1, left + w, w - 7, right};
}

bool Blank(const QString& s) { return TrimBlanks(s).isEmpty(); }

// The rows of one entry, in order. The same plan gives the line count the
// walk goes by and the lines drawn, so the two never disagree.
std::vector<ListRow> PlanRows(const AddressRecord& r, const ListGeometry& g, const QString& yobiCaption,
                              const QString& noCaption) {
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  auto fits = [&](const QString& text) { return MeasureTextWidth(text) < g.fitLimit; };
  const QString name = r.field(kFieldName);
  const QString nick = r.field(kFieldHandle);
  const QString tel = r.field(kFieldTel);
  const QString home = r.field(kFieldJitaku);
  const QString office = r.field(kFieldKaisyaTel);
  const QString fax = r.field(kFieldKaisyaFax);
  const QString company = r.field(kFieldKaisyaName);
  QString yobi = r.field(kFieldYobi);
  const QString mobile = (IsPhsNumber(tel) ? QStringLiteral("PH:") : QStringLiteral("携:")) + tel;
  auto spareItem = [&] { return Blank(yobiCaption) ? yobi : TrimBlanks(yobiCaption) + u':' + yobi; };
  bool nickPlaced = false, homePlaced = false, mobilePlaced = false, officePlaced = false, sparePlaced = false;
  std::vector<ListRow> rows;

  ListRow row1;
  row1.mode = ListRow::Left::NameThenNick;
  QString leftText;
  if (!Blank(name)) {
    row1.name = name + u' ';
    leftText = row1.name;
    if (!Blank(nick) && fits(name + QStringLiteral(" [") + nick + u']')) {
      row1.left = u'[' + nick + u']';
      nickPlaced = true;
    }
  } else if (!Blank(nick)) {
    row1.left = u'[' + nick + u']';
    nickPlaced = true;
  }
  leftText += row1.left;
  if (fits(leftText)) {
    if (!Blank(home)) {
      row1.right = QStringLiteral("自:") + home;
      homePlaced = true;
    } else if (!tel.isEmpty()) {
      row1.right = mobile;
      mobilePlaced = true;
    } else if (!office.isEmpty()) {
      row1.right = QStringLiteral("会:") + office;
      officePlaced = true;
    }
  }
  rows.push_back(row1);

  if ((!Blank(nick) && !nickPlaced) || (!Blank(tel) && !mobilePlaced)) {
    ListRow row;
    if (!Blank(nick) && !nickPlaced) {
      row.left = PhoneBookNickname(r);
      nickPlaced = true;
    } else if (!yobi.isEmpty()) {
      row.left = spareItem();
      sparePlaced = true;
    }
    if (!tel.isEmpty() && !mobilePlaced) {
      row.right = mobile;
      mobilePlaced = true;
    }
    rows.push_back(row);
  }
  // A date field left at its empty value says nothing.
  if (yobi == QStringLiteral("1900/00/00")) yobi.clear();
  if ((!yobi.isEmpty() && !sparePlaced) || (!home.isEmpty() && !homePlaced)) {
    ListRow row;
    if (!yobi.isEmpty() && !sparePlaced) row.left = spareItem();
    if (!home.isEmpty() && !homePlaced) row.right = QStringLiteral("自:") + home;
    rows.push_back(row);
  }
  if (!company.isEmpty()) {
    ListRow row;
    row.left = UnescapeListField(company);
    if (fits(company)) {
      if (!office.isEmpty() && !officePlaced) {
        row.right = QStringLiteral("会:") + office;
        officePlaced = true;
      }
    } else {
      row.mode = ListRow::Left::Fitted;
    }
    rows.push_back(row);
  }
  if ((!office.isEmpty() && !officePlaced) || !fax.isEmpty()) {
    ListRow row;
    if (!office.isEmpty() && !officePlaced) {
      if (!fax.isEmpty()) row.left = QStringLiteral("FAX:") + fax;
      row.right = QStringLiteral("会:") + office;
    } else {
      row.right = QStringLiteral("FAX:") + fax;
      row.rightPastColumn = true;
    }
    rows.push_back(row);
  }
  const QString number = r.field(kFieldNo);
  if (!number.isEmpty()) {
    ListRow row;
    if (!Blank(number)) row.left = Blank(noCaption) ? number : noCaption + u':' + number;
    rows.push_back(row);
  }
  auto line = [&](const QString& text) {
    ListRow row;
    row.left = text;
    row.endsWithNewLine = false;
    rows.push_back(row);
  };
  if (!r.field(kFieldKaisyaIp).isEmpty()) line(QStringLiteral("会社:") + r.field(kFieldKaisyaIp));
  if (!r.field(kFieldMail).isEmpty()) line(QStringLiteral("個人:") + r.field(kFieldMail));
  if (!r.field(kFieldBikou).isEmpty()) line(r.field(kFieldBikou));
  if (!r.field(kFieldBikou2).isEmpty()) line(UnescapeListField(r.field(kFieldBikou2)));
  const QString zip = r.field(kFieldZip);
  const QString address1 = r.field(kFieldAddress1);
  const QString address2 = r.field(kFieldAddress2);
  if (!zip.isEmpty() || !address1.isEmpty() || !address2.isEmpty()) {
    ListRow row;
    row.mode = ListRow::Left::Wrapped;
    row.parts = ((zip.isEmpty() ? QString() : u'〒' + zip + u' ') + address1).split(QStringLiteral("\\n"));
    row.lines = int(row.parts.size());
    rows.push_back(row);
    if (!address2.isEmpty()) line(QStringLiteral("  ") + address2);
  }
  // The remark comes from the file with its "\n" breaks already made CR LF.
  const QString remark = r.field(kFieldBikou3);
  if (!remark.isEmpty()) {
    ListRow row;
    row.mode = ListRow::Left::WrappedRemark;
    row.parts = remark.split(kCrLf);
    row.lines = int(row.parts.size());
    rows.push_back(row);
  }
  if (!r.field(kFieldUrl).isEmpty()) line(r.field(kFieldUrl));
  return rows;
}

int LinesOf(const std::vector<ListRow>& rows) {
  int k = 0;
  for (const ListRow& row : rows) k += row.lines;
  return std::max(1, k);
}

// The rows of an entry follow each other at the surface's line height, one
// em of the data font, which is never more than the list's pitch: the entry
// stays within the lines it counted, and the next one starts at its own y.
void DrawRows(const std::vector<ListRow>& rows, const ListGeometry& g, double top) {
  const PaperSettingsData& p = PaperSettings;
  SetCurrentY(top);
  for (const ListRow& row : rows) {
    auto wrapped = [&](double limit) {
      for (const QString& part : row.parts) {
        SetCurrentX(g.textX);
        PrintWrappedText(part + kCrLf, float(limit));
      }
    };
    SetCurrentX(g.textX);
    // A left item stops before the second column when a number stands there,
    // else before the frame; a name cut short leaves its nickname out.
    const float frameEnd = float(g.right - kTextClearanceMm);
    const float leftEnd = row.right.isEmpty() ? frameEnd : float(g.x2 - kTextClearanceMm);
    switch (row.mode) {
      case ListRow::Left::NameThenNick:
        if (!row.name.isEmpty()) {
          SetFontName(p.DefaultFontName);
          const bool cut = PrintTextWithin(row.name, leftEnd) != row.name;
          SetFontName(p.DataFontName);
          if (cut) break;
        }
        PrintTextWithin(row.left, leftEnd);
        break;
      case ListRow::Left::Fitted: PrintTextWithin(row.left, float(g.right - 2)); break;
      case ListRow::Left::Wrapped:
        wrapped(g.right);
        continue;
      case ListRow::Left::WrappedRemark:
        wrapped(g.right - 2);
        continue;
      case ListRow::Left::Inline:
        if (!row.endsWithNewLine) {
          PrintTextWithin(row.left, frameEnd, true);
          continue;
        }
        PrintTextWithin(row.left, leftEnd);
        break;
    }
    if (!row.right.isEmpty()) {
      SetCurrentX(row.rightPastColumn ? g.x2 + 1 : g.x2);
      PrintTextWithin(row.right, frameEnd);
    }
    PrintTextNewLine(QString());
  }
}

}  // namespace

int PhoneBookListLinesPerPage() {
  const PaperSettingsData& p = PaperSettings;
  if (p.DataFontSize <= 0) return 0;
  return int(std::floor((p.FootHeight - p.DataHeight - 1) * 5.67 / (2 * p.DataFontSize))) - 1;
}

int PhoneBookListLineCount(const AddressRecord& record, const QString& yobiCaption, const QString& noCaption) {
  return LinesOf(PlanRows(record, GeometryOf(0, 0), yobiCaption, noCaption));
}

int PrintPhoneBookListPage(int /*designIndex*/, int sortIndex, const QString& category, int page, double left,
                           double right, const AddressPrintLines& lines, const QString& yobiCaption,
                           const QString& noCaption) {
  if (lines.count() == 0) return 1;
  const int perPage = PhoneBookListLinesPerPage();
  // Not one line fits: no page would ever hold an entry.
  if (perPage <= 0) return 1;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(left, right);
  const PaperSettingsData& p = PaperSettings;
  const double pitch = (p.FootHeight - p.DataHeight - 1) / double(perPage);
  const ListGeometry g = GeometryOf(left, right);

  int d = 0;
  bool closed = false;
  PhoneBookWalk walk;
  walk.slotsPerPage = perPage;
  walk.cost = [&](const AddressRecord& r) { return LinesOf(PlanRows(r, g, yobiCaption, noCaption)); };
  // The preview measures on the screen's picture, the printer on its own.
  const QString measuredBy = QStringList{QString::number(Previewing()), QString::number(g.fitLimit), p.DataFontName,
                                         QString::number(p.DataFontSize), yobiCaption, noCaption}
                                 .join(QChar(0x1F));
  if (lines.listLinesKey != measuredBy || lines.listLines.size() != size_t(lines.count())) {
    lines.listLines.assign(size_t(lines.count()), -1);
    lines.listLinesKey = measuredBy;
  }
  walk.costs = &lines.listLines;
  if (sortIndex == 1) walk.groupKey = [](const AddressRecord& r) { return IndexKeyOfReading(r.field(kFieldKana)); };
  if (sortIndex == 3) walk.groupKey = [](const AddressRecord& r) { return TrimBlanks(r.field(kFieldKaisyaName)).toUpper(); };
  walk.drawHeader = [&](const AddressRecord& r) {
    DrawPageHeader(PhoneBookTitle(category, sortIndex, r, true), left, right);
    d = 0;
  };
  walk.drawSlot = [&](const AddressRecord& r, int) {
    const double y = p.DataHeight + d * pitch;
    if (r.field(kFieldName).isEmpty() && r.field(kFieldHandle).isEmpty()) {
      // The first line left empty closes the list with a rule under the
      // last entry, unless the page ends there anyway.
      ++d;
      if (!closed && d != perPage) DrawStyledLine(1, left, y, right, y, p.LineColor);
      closed = true;
      return;
    }
    DrawStyledLine(1, left, y, right, y, p.LineColor);
    const std::vector<ListRow> rows = PlanRows(r, g, yobiCaption, noCaption);
    SetForeColor(p.DataColor);
    DrawRows(rows, g, y + 0.3);
    d += LinesOf(rows);
  };
  walk.drawFooter = [&] {
    DrawStyledLine(1, left, p.DataHeight, left, p.FootHeight, p.LineColor);
    DrawStyledLine(1, right, p.DataHeight, right, p.FootHeight, p.LineColor);
    DrawPageFooter(QString(), left, right);
  };
  return PhoneBookPageWalk(lines, page, false, walk);
}
