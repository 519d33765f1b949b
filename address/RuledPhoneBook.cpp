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
  int nameLimit = 0;
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
    nameLimit_ = static_cast<int>(std::floor((x55_ - left) * 5.67 / l.size)) - 5;
  }

  void row(const AddressRecord& source, int index) {
    const PaperSettingsData& p = PaperSettings;
    AddressRecord r = source;
    const QString company = r.field(kFieldKaisyaName);
    if (nameLimit_ >= 0 && AnsiByteLen(company) > nameLimit_) {
      qsizetype k = 1;
      while (k < company.size() && AnsiByteLen(company.left(k)) <= nameLimit_) ++k;
      r.setField(kFieldKaisyaName, company.left(k));
    }
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
  void inDefaultFont(const QString& text) const {
    SetFontName(PaperSettings.DefaultFontName);
    SetForeColor(PaperSettings.DefaultColor);
    PrintTextInline(text);
    SetFontName(PaperSettings.DataFontName);
    SetForeColor(PaperSettings.DataColor);
  }
  void columnRule() const { DrawStyledLine(-1, x55_, GetCurrentY(), right_, GetCurrentY(), PaperSettings.LineColor); }
  void rule() const { DrawStyledLine(-1, left_, GetCurrentY(), right_, GetCurrentY(), PaperSettings.LineColor); }
  static QString MobileLabel(const QString& tel) {
    return IsPhsNumber(tel) ? QStringLiteral("PH:") : QStringLiteral("携:");
  }
  QString nickPart(const AddressRecord& r) const { return PhoneBookNickname(r); }
  void namePart(const AddressRecord& r) const {
    if (!Blank(f(r, kFieldName))) inDefaultFont(f(r, kFieldName) + u' ');
    PrintTextInline(nickPart(r));
  }

  void designLines(const AddressRecord& r) {
    switch (design_) {
      case 0:
      case 9: {
        namePart(r);
        at(x55_);
        PrintPictureBox(o_.mobileIcon);
        PrintTextNewLine(u':' + f(r, kFieldTel));
        columnRule();
        at(left_);
        PrintTextInline(u' ' + f(r, kFieldKaisyaName));
        at(x55_);
        PrintPictureBox(o_.homeIcon);
        PrintTextNewLine(u':' + f(r, kFieldJitaku));
        columnRule();
        if (design_ == 0 && !Blank(f(r, kFieldKaisyaFax))) {
          at(left_);
          PrintTextInline(QStringLiteral("  FAX:") + f(r, kFieldKaisyaFax));
        }
        if (design_ == 9 && !Blank(f(r, kFieldYobi))) {
          at(left_);
          PrintTextInline(RightBytes(QStringLiteral("    ") + o_.yobiCaption, 4) + u':' + f(r, kFieldYobi));
        }
        at(x55_);
        PrintTextNewLine(QStringLiteral("会:") + f(r, kFieldKaisyaTel));
        break;
      }
      case 1:
        namePart(r);
        at(x55_);
        PrintTextNewLine(MobileLabel(f(r, kFieldTel)) + f(r, kFieldTel));
        columnRule();
        if (!f(r, kFieldKaisyaTel).isEmpty()) {
          at(left_);
          PrintTextInline(QStringLiteral(" 会:") + f(r, kFieldKaisyaTel));
        }
        at(x55_);
        PrintTextNewLine(QStringLiteral("自:") + f(r, kFieldJitaku));
        break;
      case 2: {
        if (!Blank(f(r, kFieldName)))
          inDefaultFont(f(r, kFieldName) + u' ');
        else if (!Blank(f(r, kFieldHandle)))
          PrintTextInline(u'[' + f(r, kFieldHandle) + u']');
        const double w = right_ - left_;
        const QString home = f(r, kFieldJitaku).isEmpty() ? QString() : f(r, kFieldJitaku) + u' ';
        QString other;
        if (!f(r, kFieldTel).isEmpty())
          other = f(r, kFieldTel);
        else if (!f(r, kFieldKaisyaTel).isEmpty())
          other = QStringLiteral("会:") + f(r, kFieldKaisyaTel) + u' ';
        auto atLeast = [this](double x) { at(std::max<double>(GetCurrentX(), left_ + x)); };
        if (w >= 0 && w <= 70) {
          const bool narrow = w <= 61;
          if (!home.isEmpty()) {
            at(left_ + (narrow ? 17 : 20));
            PrintTextInline(home);
          }
          if (!other.isEmpty()) {
            atLeast(narrow ? 33 : 42);
            PrintTextInline(other);
          }
        } else if (w > 70 && w <= 90) {
          if (!home.isEmpty()) {
            atLeast(20);
            PrintTextInline(home);
          }
          if (!other.isEmpty()) {
            atLeast(50);
            PrintTextInline(other);
          }
        } else {
          at(left_ + 40);
          PrintTextInline(f(r, kFieldJitaku) + u' ');
          at(left_ + 80);
          PrintTextInline(f(r, kFieldTel));
          at(left_ + 120);
          PrintTextInline(QStringLiteral("会:") + f(r, kFieldKaisyaTel) + u' ');
        }
        PrintTextNewLine(QString());
        break;
      }
      case 3: {
        QString t = f(r, kFieldName) + u' ';
        if (Blank(f(r, kFieldName)) && !Blank(f(r, kFieldHandle))) t += u'[' + f(r, kFieldHandle) + u']';
        inDefaultFont(PadCutName(t));
        QString s;
        if (!f(r, kFieldTel).isEmpty()) s += u' ' + f(r, kFieldTel);
        if (!f(r, kFieldJitaku).isEmpty()) s += u' ' + f(r, kFieldJitaku);
        if (!f(r, kFieldKaisyaTel).isEmpty()) s += QStringLiteral(" 会:") + f(r, kFieldKaisyaTel);
        PrintTextNewLine(s);
        break;
      }
      case 4:
      case 5: {
        QString first = sort_ == 2 ? f(r, kFieldKaisyaName) : f(r, kFieldName);
        if (sort_ != 2 && !f(r, kFieldPost).isEmpty()) first += u'[' + f(r, kFieldPost) + u']';
        inDefaultFont(first);
        at(x55_);
        PrintTextNewLine(QStringLiteral("会:") + f(r, kFieldKaisyaTel));
        columnRule();
        at(left_);
        if (sort_ == 2) {
          QString second = u' ' + f(r, kFieldName);
          if (!f(r, kFieldPost).isEmpty()) second += u'[' + f(r, kFieldPost) + u']';
          PrintTextInline(second);
        } else if (sort_ != 3) {
          PrintTextInline(u' ' + f(r, kFieldKaisyaName));
        }
        at(x55_);
        if (design_ == 4) {
          PrintTextNewLine(QStringLiteral("FAX") + f(r, kFieldKaisyaFax));
        } else {
          PrintTextNewLine(MobileLabel(f(r, kFieldTel)) + f(r, kFieldTel));
          columnRule();
          at(x55_);
          PrintTextNewLine(QStringLiteral("FAX") + f(r, kFieldKaisyaFax));
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
        lineInFrame(first);
        at(left_);
        SetFontSize(PaperSettings.DefaultFontSize - 2);
        lineInFrame(u'〒' + f(r, kFieldZip) + u' ' + f(r, kFieldAddress1) + u' ' + f(r, kFieldAddress2));
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
        lineInFrame(s);
        break;
      }
      default:  // 5's layout serves every other index
        design_ = 5;
        designLines(r);
        break;
    }
  }

  // One whole line of the rows that put their numbers side by side, kept
  // inside the frame: a line too long for its room is printed smaller, down
  // to half its size, and past that its end is cut off, so that no number
  // runs over the frame into the next page. The line pitch stays the row's.
  void lineInFrame(const QString& text) const {
    const double room = right_ - kFrameInsetMm - GetCurrentX();
    const float size = GetFontSize();
    QString shown = text;
    const double width = MeasureTextWidth(text);
    if (width > room && room > 0) {
      SetFontSize(std::max(float(size * room / width), size * kSmallestLineShare));
      shown = LongestPrefixWithin(text, room);
    }
    PrintTextInline(shown);
    SetFontSize(size);
    PrintTextNewLine(QString());
  }
  static constexpr double kFrameInsetMm = 0.5;
  static constexpr float kSmallestLineShare = 0.5f;

  // The longest start of the text, in whole characters, that is no wider
  // than room at the current font.
  static QString LongestPrefixWithin(const QString& text, double room) {
    qsizetype low = 0, high = text.size();
    while (low < high) {
      const qsizetype mid = (low + high + 1) / 2;
      if (MeasureTextWidth(text.left(mid)) <= room)
        low = mid;
      else
        high = mid - 1;
    }
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate()) --low;
    return text.left(low);
  }

  // Exactly 12 bytes; a character the cut would halve becomes a blank.
  static QString PadCutName(const QString& t);

  void optionLines(const AddressRecord& r) const {
    const auto& x = o_.extras;
    if (x[0] || x[1] || x[2] || x[3] || x[4]) rule();
    const std::pair<int, int> order[] = {{1, kFieldMail}, {2, kFieldBikou}, {3, kFieldBikou2}, {4, kFieldBikou3}, {0, kFieldUrl}};
    for (const auto& [box, field] : order) {
      if (!x[box]) continue;
      at(left_);
      // The remark is printed as the file keeps it, on one line.
      PrintTextNewLine(u' ' + (field == kFieldBikou3 ? r.field(field).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"))
                                                      : r.field(field)));
    }
    const PaperSettingsData& p = PaperSettings;
    if (l_.addressMode == 1) {
      if (l_.lines > 2) rule();
      at(left_);
      SetFontSize(p.DefaultFontSize - 2);
      PrintTextInline((f(r, kFieldZip) + QString(8, u' ')).left(8) + u' ' + TrimBlanks(f(r, kFieldAddress1)) + u' ' +
                      TrimBlanks(f(r, kFieldAddress2)));
    } else if (l_.addressMode == 2) {
      rule();
      at(left_);
      SetFontSize(p.DefaultFontSize);
      PrintTextNewLine(QStringLiteral("住所:") + f(r, kFieldAddress1));
      at(left_);
      PrintTextInline(QStringLiteral("     ") + f(r, kFieldAddress2));
      at(left_ + 2 * (right_ - left_) / 3);
      PrintTextNewLine(u'〒' + f(r, kFieldZip));
    }
  }

  int design_;
  int sort_;
  double left_, right_;
  RuledLayout l_;
  const RuledPhoneBookOptions& o_;
  double x55_ = 0;
  int nameLimit_ = 0;
};

QString RowPrinter::PadCutName(const QString& t) {
  QString out;
  int bytes = 0;
  for (QChar c : t) {
    const int w = AnsiByteLen(QString(c));
    if (bytes + w > 12) break;
    out += c;
    bytes += w;
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
