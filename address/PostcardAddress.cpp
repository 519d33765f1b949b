#include "PostcardAddress.h"

#include <algorithm>

#include "AddressTextConversions.h"
#include "Honorific.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/print/VerticalText.h"
#include "core/settings/Ini.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {

// Far beyond any paper, yet small enough for every device conversion.
constexpr double kMaxPosition = 10000;
constexpr double kMaxSize = 1000;

class Layout {
 public:
  explicit Layout(const QString& section) : section_(section) {
    yoko_ = RoundHalfEven(position("YOKO"));
    tate_ = RoundHalfEven(position("TATE"));
  }
  double x(const char* key) const { return yoko_ + position(key); }
  double y(const char* key) const { return tate_ + position(key); }
  // A size key left out or set to nothing sensible prints at the size the
  // settings are made with, not in an invisible font.
  float size(const char* key, float byDefault) const {
    const double v = number(key);
    if (!(v > 0)) return byDefault;
    return float(std::min(v, kMaxSize));
  }
  QString font() const { return GetIniValue(section_, QStringLiteral("FONT")); }

 private:
  double number(const char* key) const { return ParseNumber(GetIniValue(section_, QString::fromLatin1(key))); }
  double position(const char* key) const {
    const double v = number(key);
    if (!(v == v)) return 0;
    return std::clamp(v, -kMaxPosition, kMaxPosition);
  }
  QString section_;
  double yoko_ = 0, tate_ = 0;
};

void Vertical(double x, double y, float size, const QString& text) {
  SetFontSize(size);
  SetCurrentX(x);
  SetCurrentY(y);
  PrintVerticalText(text);
}

void PrintZip(const Layout& l, const QString& zip) {
  static const QString kFrom = QStringLiteral("0123456789-ｰ");
  static const QString kTo = QStringLiteral("０１２３４５６７８９");
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  SetFontSize(l.size("ZIP_S", 12));
  const double y = l.y("ZIP_Y");
  double x = RoundHalfEven(l.x("ZIP_X") + 1);
  const QString text = TrimBlanks(zip);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype k = kFrom.indexOf(text.at(i));
    // The dash and the long mark only separate the groups; anything else is
    // no digit of a postal code.
    if (k < 0 || k >= kTo.size()) continue;
    SetCurrentX(x);
    SetCurrentY(y);
    PrintTextInline(kTo.at(k));
    x += i == 2 ? 8 : 7;  // the wider gap after the third character
  }
}

}  // namespace

void PrintPostcardAddress(const QString& section, const PostcardRecipient& to) {
  SetPrinterScaleMode(kScaleMillimetres);
  const Layout l(section);
  PrintZip(l, to.zip);
  SetFontName(l.font());
  Vertical(l.x("ADDRESS1_X"), l.y("ADDRESS1_Y"), l.size("ADDRESS1_S", 18), ConvertAddressForVertical(TrimBlanks(to.address1)));
  Vertical(l.x("ADDRESS2_X"), l.y("ADDRESS2_Y"), l.size("ADDRESS2_S", 18), TrimBlanks(to.address2));
  const float nameSize = l.size("NAME_S", 24);
  const QString title = TrimBlanks(to.post);
  if (!title.isEmpty()) {
    const float officeSize = l.size("OFFICE_S", 14);
    Vertical(l.x("OFFICE_X"), l.y("OFFICE_Y"), officeSize, TrimBlanks(to.company));
    const QString addressee = SplitHonorific(title, to.name);
    if (title.size() < 5) {
      // A short title heads the name in its own column.
      Vertical(l.x("NAME_X"), l.y("NAME_Y") - 10, nameSize / 2, title + u' ');
      SetCurrentX(l.x("NAME_X"));
      SetFontSize(nameSize * 2 / 3);
      PrintVerticalText(addressee);
    } else {
      Vertical(l.x("OFFICE_X") - 6, l.y("OFFICE_Y") + 6, officeSize, title + u' ');
      Vertical(l.x("NAME_X"), l.y("NAME_Y"), nameSize, addressee);
    }
    return;
  }
  // Two names of one household share the honorific after the second.
  const QString addressee = SplitHonorific(QString(), to.name);
  const QString lineBreak = QStringLiteral("\\n");
  const qsizetype at = addressee.indexOf(lineBreak);
  if (at < 0) {
    Vertical(l.x("NAME_X"), l.y("NAME_Y"), nameSize, addressee);
    return;
  }
  Vertical(l.x("NAME_X"), l.y("NAME_Y"), nameSize, addressee.left(at));
  Vertical(l.x("NAME_X") - 2 * HalfCharWidthMm(nameSize), l.y("NAME_Y"), nameSize, addressee.mid(at + lineBreak.size()));
}
