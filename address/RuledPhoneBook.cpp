#include "RuledPhoneBook.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "AddressPrintLines.h"
#include "PhoneBookHeader.h"
#include "PhoneBookPageWalk.h"
#include "ReadingKeys.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/Pictures.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

namespace {

struct RuledLayout {
  int baseLines = 3;
  float size = 0;
  int addressMode = 0;
  int lines = 3;
  int rows = 0;
  double rowHeight = 0;
  double x55 = 0;
};

RuledLayout LayoutOf(int design, const RuledPhoneBookOptions& o) {
  const PaperSettingsData& p = PaperSettings;
  const float f = p.DefaultFontSize;
  RuledLayout l;
  l.addressMode = o.addressMode;
  l.size = f;
  if (design == 0 || design == 9) {
    if (l.addressMode == 1) l.addressMode = 2;
  } else if (design == 1 || design == 4) {
    l.baseLines = 2;
  } else if (design == 2 || design == 3) {
    l.baseLines = 1;
    l.size = f - 2;
  } else if (design == 6 || design == 7 || design == 11) {
    l.size = f - 2;
    l.addressMode = 0;
  }
  l.lines = l.baseLines + l.addressMode;
  for (int x : o.extras) l.lines += x;
  const double body = p.FootHeight - p.DataHeight - 1;
  l.rows = l.size > 0 ? static_cast<int>(std::floor(body * 5.67 / (l.size * 2 * l.lines))) : 0;
  if (l.lines <= 3) --l.rows;
  l.rowHeight = l.rows > 0 ? body / l.rows : 0;
  l.x55 = std::nearbyint((p.PageWidth - p.PageLeft) * 55.0 / 100.0);  // halves to even
  return l;
}

class RowPrinter {
 public:
  RowPrinter(int design, int sortIndex, double left, double right, const RuledLayout& l, const RuledPhoneBookOptions& o)
      : design_(design), sort_(sortIndex), left_(left), right_(right), l_(l), o_(o) {
    x55_ = left + l.x55;
  }

  void row(const AddressRecord& r, int index) {
    const PaperSettingsData& p = PaperSettings;
    const double y = p.DataHeight + l_.rowHeight * (index - 1);
    SetCurrentY(y);
    DrawStyledLine(1, left_, y, right_, y, p.LineColor);
    SetForeColor(p.DataColor);
    SetFontName(p.DataFontName);
    SetFontSize(l_.size);
    SetCurrentX(left_);
    SetCurrentY(y + 0.5);
    designLines(r);
    optionLines(r);
  }

 private:
  QString f(const AddressRecord& r, int n) const { return r.field(n); }
  static bool Blank(const QString& s) { return TrimBlanks(s).isEmpty(); }
  void at(double x) const { SetCurrentX(x); }
  // Texts stop short of what follows them: the number column for the left
  // column's texts, the frame for the rest.
  float columnEnd() const { return float(x55_ - kTextClearanceMm); }
  float frameEnd() const { return float(right_ - kTextClearanceMm); }
  QString inDefaultFont(const QString& text, float limit) const {
    SetFontName(PaperSettings.DefaultFontName);
    SetForeColor(PaperSettings.DefaultColor);
    const QString shown = PrintTextWithin(text, limit);
    SetFontName(PaperSettings.DataFontName);
    SetForeColor(PaperSettings.DataColor);
    return shown;
  }
  // Inline; the line ended with the text; the line ended after the text.
  static void within(const QString& text, float limit) { PrintTextWithin(text, limit); }
  static void endWithin(const QString& text, float limit) { PrintTextWithin(text, limit, true); }
  static void lineWithin(const QString& text, float limit) {
    PrintTextWithin(text, limit);
    PrintTextNewLine(QString());
  }
  void columnRule() const { DrawStyledLine(-1, x55_, GetCurrentY(), right_, GetCurrentY(), PaperSettings.LineColor); }
  void rule() const { DrawStyledLine(-1, left_, GetCurrentY(), right_, GetCurrentY(), PaperSettings.LineColor); }
  static QString MobileLabel(const QString& tel) {
    return IsPhsNumber(tel) ? QStringLiteral("PH:") : QStringLiteral("携:");
  }
  QString nickPart(const AddressRecord& r) const { return PhoneBookNickname(r); }
  // A name cut short already shows its mark; the nickname is left out then.
  void namePart(const AddressRecord& r) const {
    if (!Blank(f(r, kFieldName))) {
      const QString name = f(r, kFieldName) + u' ';
      if (inDefaultFont(name, columnEnd()) != name) return;
    }
    within(nickPart(r), columnEnd());
  }

  void designLines(const AddressRecord& r) {
    switch (design_) {
      case 0:
      case 9: {
        namePart(r);
        at(x55_);
        PrintPictureBox(o_.mobileIcon);
        endWithin(u':' + f(r, kFieldTel), frameEnd());
        columnRule();
        at(left_);
        within(u' ' + f(r, kFieldKaisyaName), columnEnd());
        at(x55_);
        PrintPictureBox(o_.homeIcon);
        endWithin(u':' + f(r, kFieldJitaku), frameEnd());
        columnRule();
        if (design_ == 0 && !Blank(f(r, kFieldKaisyaFax))) {
          at(left_);
          within(QStringLiteral("  FAX:") + f(r, kFieldKaisyaFax), columnEnd());
        }
        if (design_ == 9 && !Blank(f(r, kFieldYobi))) {
          at(left_);
          within(RightBytes(QStringLiteral("    ") + o_.yobiCaption, 4) + u':' + f(r, kFieldYobi), columnEnd());
        }
        at(x55_);
        endWithin(QStringLiteral("会:") + f(r, kFieldKaisyaTel), frameEnd());
        break;
      }
      case 1:
        namePart(r);
        at(x55_);
        endWithin(MobileLabel(f(r, kFieldTel)) + f(r, kFieldTel), frameEnd());
        columnRule();
        if (!f(r, kFieldKaisyaTel).isEmpty()) {
          at(left_);
          within(QStringLiteral(" 会:") + f(r, kFieldKaisyaTel), columnEnd());
        }
        at(x55_);
        endWithin(QStringLiteral("自:") + f(r, kFieldJitaku), frameEnd());
        break;
      case 2: {
        const double w = right_ - left_;
        const bool wide = w < 0 || w > 90;
        const QString home = f(r, kFieldJitaku).isEmpty() ? QString() : f(r, kFieldJitaku) + u' ';
        QString other;
        if (!f(r, kFieldTel).isEmpty())
          other = f(r, kFieldTel);
        else if (!f(r, kFieldKaisyaTel).isEmpty())
          other = QStringLiteral("会:") + f(r, kFieldKaisyaTel) + u' ';
        // The columns of the home and the other number by the span's width.
        // Each text stops before the next one's column, so that a number
        // placed at the larger of x and its column still stands there.
        const double homeX = left_ + (w >= 0 && w <= 61 ? 17 : wide ? 40 : 20);
        const double otherX = left_ + (w >= 0 && w <= 61 ? 33 : w >= 0 && w <= 70 ? 42 : wide ? 80 : 50);
        auto before = [](double x) { return float(x - kTextClearanceMm); };
        const float nameEnd = !home.isEmpty() || wide ? before(homeX) : !other.isEmpty() ? before(otherX) : frameEnd();
        const float homeEnd = !other.isEmpty() || wide ? before(otherX) : frameEnd();
        if (!Blank(f(r, kFieldName)))
          inDefaultFont(f(r, kFieldName) + u' ', nameEnd);
        else if (!Blank(f(r, kFieldHandle)))
          within(u'[' + f(r, kFieldHandle) + u']', nameEnd);
        auto atLeast = [](double x) { SetCurrentX(std::max<double>(GetCurrentX(), x)); };
        if (w >= 0 && w <= 70) {
          if (!home.isEmpty()) {
            at(homeX);
            within(home, homeEnd);
          }
          if (!other.isEmpty()) {
            atLeast(otherX);
            within(other, frameEnd());
          }
        } else if (!wide) {
          if (!home.isEmpty()) {
            atLeast(homeX);
            within(home, homeEnd);
          }
          if (!other.isEmpty()) {
            atLeast(otherX);
            within(other, frameEnd());
          }
        } else {
          at(homeX);
          within(f(r, kFieldJitaku) + u' ', homeEnd);
          at(otherX);
          within(f(r, kFieldTel), before(left_ + 120));
          at(left_ + 120);
          within(QStringLiteral("会:") + f(r, kFieldKaisyaTel) + u' ', frameEnd());
        }
        PrintTextNewLine(QString());
        break;
      }
      case 3: {
        QString t = f(r, kFieldName) + u' ';
        if (Blank(f(r, kFieldName)) && !Blank(f(r, kFieldHandle))) t += u'[' + f(r, kFieldHandle) + u']';
        inDefaultFont(PadCutName(t), frameEnd());
        QString s;
        if (!f(r, kFieldTel).isEmpty()) s += u' ' + f(r, kFieldTel);
        if (!f(r, kFieldJitaku).isEmpty()) s += u' ' + f(r, kFieldJitaku);
        if (!f(r, kFieldKaisyaTel).isEmpty()) s += QStringLiteral(" 会:") + f(r, kFieldKaisyaTel);
        endWithin(s, frameEnd());
        break;
      }
      case 4:
      case 5: {
        QString first = sort_ == 2 ? f(r, kFieldKaisyaName) : f(r, kFieldName);
        if (sort_ != 2 && !f(r, kFieldPost).isEmpty()) first += u'[' + f(r, kFieldPost) + u']';
        inDefaultFont(first, columnEnd());
        at(x55_);
        endWithin(QStringLiteral("会:") + f(r, kFieldKaisyaTel), frameEnd());
        columnRule();
        at(left_);
        if (sort_ == 2) {
          QString second = u' ' + f(r, kFieldName);
          if (!f(r, kFieldPost).isEmpty()) second += u'[' + f(r, kFieldPost) + u']';
          within(second, columnEnd());
        } else if (sort_ != 3) {
          within(u' ' + f(r, kFieldKaisyaName), columnEnd());
        }
        at(x55_);
        if (design_ == 4) {
          endWithin(QStringLiteral("FAX") + f(r, kFieldKaisyaFax), frameEnd());
        } else {
          endWithin(MobileLabel(f(r, kFieldTel)) + f(r, kFieldTel), frameEnd());
          columnRule();
          at(x55_);
          endWithin(QStringLiteral("FAX") + f(r, kFieldKaisyaFax), frameEnd());
        }
        break;
      }
      case 6:
      case 7:
      case 11: {
        QString first = Blank(f(r, kFieldName)) ? QString() : f(r, kFieldName) + u' ';
        first += nickPart(r);
        if (design_ == 7)
          first += u' ' + f(r, kFieldMail);
        else
          first += u' ' + f(r, kFieldPost) + QStringLiteral("    ") + f(r, kFieldKaisyaName);
        lineWithin(first, frameEnd());
        at(left_);
        SetFontSize(PaperSettings.DefaultFontSize - 2);
        lineWithin(u'〒' + f(r, kFieldZip) + u' ' + f(r, kFieldAddress1) + u' ' + f(r, kFieldAddress2), frameEnd());
        at(left_);
        QString s;
        const QString tel = f(r, kFieldTel);
        const QString mobile = tel.isEmpty() ? QString() : MobileLabel(tel) + tel + u' ';
        const QString home = f(r, kFieldJitaku).isEmpty() ? QString() : QStringLiteral("自:") + f(r, kFieldJitaku) + u' ';
        if (design_ == 11) {
          s = mobile + home;
          if (!f(r, kFieldYobi).isEmpty()) {
            if (o_.yobiCaption != QStringLiteral("FAX"))
              s += o_.yobiCaption + f(r, kFieldYobi) + u' ';
            else if (!f(r, kFieldKaisyaFax).isEmpty())
              s += QStringLiteral("自FAX") + f(r, kFieldYobi) + u' ';
            else
              s += QStringLiteral("FAX") + f(r, kFieldYobi) + u' ';
          }
          if (!f(r, kFieldKaisyaTel).isEmpty()) s += QStringLiteral("会:") + f(r, kFieldKaisyaTel) + u' ';
          if (!f(r, kFieldKaisyaFax).isEmpty()) s += QStringLiteral("FAX:") + f(r, kFieldKaisyaFax);
        } else {
          s = home + mobile;
          if (design_ == 6 && !f(r, kFieldKaisyaTel).isEmpty()) s += QStringLiteral("会:") + f(r, kFieldKaisyaTel);
          if (design_ == 7 && !f(r, kFieldYobi).isEmpty()) s += QStringLiteral("誕:") + f(r, kFieldYobi);
        }
        lineWithin(s, frameEnd());
        break;
      }
      default:  // 5's layout serves every other index
        design_ = 5;
        designLines(r);
        break;
    }
  }

  // Exactly 12 bytes; a character the cut would halve becomes a blank, and a
  // name cut short ends with "…".
  static QString PadCutName(const QString& t);

  void optionLines(const AddressRecord& r) const {
    const auto& x = o_.extras;
    if (x[0] || x[1] || x[2] || x[3] || x[4]) rule();
    const std::pair<int, int> order[] = {{1, kFieldMail}, {2, kFieldBikou}, {3, kFieldBikou2}, {4, kFieldBikou3}, {0, kFieldUrl}};
    for (const auto& [box, field] : order) {
      if (!x[box]) continue;
      at(left_);
      // The remark is printed as the file keeps it, on one line.
      endWithin(u' ' + (field == kFieldBikou3 ? r.field(field).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"))
                                              : r.field(field)),
                frameEnd());
    }
    const PaperSettingsData& p = PaperSettings;
    if (l_.addressMode == 1) {
      if (l_.lines > 2) rule();
      at(left_);
      SetFontSize(p.DefaultFontSize - 2);
      within((f(r, kFieldZip) + QString(8, u' ')).left(8) + u' ' + TrimBlanks(f(r, kFieldAddress1)) + u' ' +
                 TrimBlanks(f(r, kFieldAddress2)),
             frameEnd());
    } else if (l_.addressMode == 2) {
      rule();
      at(left_);
      SetFontSize(p.DefaultFontSize);
      endWithin(QStringLiteral("住所:") + f(r, kFieldAddress1), frameEnd());
      at(left_);
      const double zipX = left_ + 2 * (right_ - left_) / 3;
      within(QStringLiteral("     ") + f(r, kFieldAddress2), float(zipX - kTextClearanceMm));
      at(zipX);
      endWithin(u'〒' + f(r, kFieldZip), frameEnd());
    }
  }

  int design_;
  int sort_;
  double left_, right_;
  RuledLayout l_;
  const RuledPhoneBookOptions& o_;
  double x55_ = 0;
};

QString RowPrinter::PadCutName(const QString& t) {
  QString out;
  int bytes = 0;
  qsizetype i = 0;
  for (; i < t.size(); ++i) {
    const int w = AnsiByteLen(QString(t.at(i)));
    if (bytes + w > 12) break;
    out += t.at(i);
    bytes += w;
  }
  // A name longer than its place ends with the mark, in place of the last
  // characters that fit.
  if (!TrimBlanks(t.mid(i)).isEmpty()) {
    const QString mark = QStringLiteral("…");
    while (!out.isEmpty() && bytes + AnsiByteLen(mark) > 12) {
      bytes -= AnsiByteLen(out.right(1));
      out.chop(1);
    }
    out += mark;
    bytes += AnsiByteLen(mark);
  }
  return out + QString(12 - bytes, u' ');
}

QImage Icon(bool mobile) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 3));
  if (mobile) {
    painter.drawRoundedRect(QRectF(9, 2, 14, 28), 3, 3);
    painter.drawLine(QPointF(13, 25), QPointF(19, 25));
  } else {
    painter.drawPolyline(QPolygonF({QPointF(3, 15), QPointF(16, 3), QPointF(29, 15)}));
    painter.drawRect(QRectF(7, 14, 18, 15));
  }
  return image;
}

}  // namespace

QImage RuledPhoneBookMobileIcon() { return Icon(true); }
QImage RuledPhoneBookHomeIcon() { return Icon(false); }

int RuledRowsPerPage(int design, const RuledPhoneBookOptions& options) { return LayoutOf(design, options).rows; }

int PrintRuledPhoneBook(int design, int sortIndex, const QString& category, int page, double left, double right,
                        const AddressPrintLines& lines, const RuledPhoneBookOptions& options) {
  const bool blank = page == 0;
  if (blank) {
    sortIndex = 0;
    page = 1;
  } else if (lines.count() == 0) {
    return 1;
  }
  const RuledLayout layout = LayoutOf(design, options);
  // Not one row fits: nothing to draw, and no page would ever hold an entry.
  if (layout.rows <= 0) return 1;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(left, right);

  RowPrinter printer(design, sortIndex, left, right, layout, options);
  PhoneBookWalk walk;
  walk.slotsPerPage = layout.rows;
  if (sortIndex == 1) walk.groupKey = [](const AddressRecord& r) { return IndexKeyOfReading(r.field(kFieldKana)); };
  if (sortIndex == 3) walk.groupKey = [](const AddressRecord& r) { return TrimBlanks(r.field(kFieldKaisyaName)).toUpper(); };
  walk.drawHeader = [&](const AddressRecord& r) {
    QString title = PhoneBookTitle(category);
    if (sortIndex == 1 || sortIndex >= 6) title += QStringLiteral("[ ") + r.field(kFieldKana).left(1).toUpper() + QStringLiteral(" ]");
    if (sortIndex == 3 && !TrimBlanks(r.field(kFieldKaisyaName)).isEmpty())
      title += u'[' + TrimBlanks(r.field(kFieldKaisyaName)) + u']';
    if (sortIndex == 4) title += QStringLiteral("[ 常用 ]");
    DrawPageHeader(title, left, right);
    SetCurrentY(PaperSettings.DataHeight);
  };
  walk.drawSlot = [&](const AddressRecord& r, int slot) { printer.row(r, slot); };
  walk.drawFooter = [&] { DrawPageFooter(QString(), left, right); };
  return PhoneBookPageWalk(lines, page, blank, walk);
}
