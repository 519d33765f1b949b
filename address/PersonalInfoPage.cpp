#include "PersonalInfoPage.h"

#include "AddressRecord.h"
#include "core/platform/TextLines.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

namespace {

// The printed lines of a wrapped text as PrintWrappedText breaks it from x:
// at every line break and before a character whose byte width would pass
// the limit, the cursor moving on by each character's printed width.
// Colour codes take no room.
QStringList SheetWrapPieces(const QString& text, float x, float limit) {
  const float w = HalfCharWidthMm(GetFontSize());
  QStringList pieces{QString()};
  float at = x;
  qsizetype i = 0;
  while (i < text.size()) {
    const ushort code = text.at(i).unicode();
    if (code == u'\\' && i + 1 < text.size() && text.at(i + 1) == u'n') {
      i += 2;
      pieces << QString();
      at = x;
    } else if (code == u'\r') {
      ++i;
      pieces << QString();
      at = x;
    } else if (code == u'\n' || code <= 7) {
      pieces.last() += text.at(i++);
    } else {
      const QString c = NextCharacter(text, i);
      if (at + w * float(AnsiByteLen(c)) > limit) {
        pieces << QString();
        at = x;
      }
      pieces.last() += c;
      at += MeasureTextWidth(c);
    }
  }
  return pieces;
}

// Prints the rows of the sheet down to the footer band: once a row would
// reach into it, that row and every later one are left out, so a long
// remark never runs over the footer or off the page.

class SheetPrinter {
 public:
  SheetPrinter(double left, double right, double bottom)
      : left_(left), right_(right), c2_(left + (right - left) * 55 / 100), cz_(left + (right - left) * 2 / 3),
        bottom_(bottom), wrap_(float(right - 1)) {}

  double left() const { return left_; }
  double c2() const { return c2_; }
  double cz() const { return cz_; }
  bool full() const { return full_; }

  // Whether a row of the current font still fits above the footer.
  bool room() {
    if (!full_ && GetCurrentY() + ActiveSurface().textHeight() > bottom_) full_ = true;
    return !full_;
  }
  void at(double x) {
    if (room()) SetCurrentX(x);
  }
  void down(double d) const { SetCurrentY(GetCurrentY() + d); }
  // A text stops short of the one that follows it on its line (before: its
  // x), or of the frame; past half size it is cut with the mark.
  void inlineAt(double x, const QString& text, double before) {
    if (!room()) return;
    SetCurrentX(x);
    PrintTextWithin(text, float(before - kTextClearanceMm));
  }
  void lineAt(double x, const QString& text) {
    if (!room()) return;
    SetCurrentX(x);
    PrintTextWithin(text, float(right_ - kTextClearanceMm), true);
  }
  // The text from the current x, wrapped, then the next line.
  void wrapped(const QString& text) {
    for (const QString& piece : SheetWrapPieces(text, GetCurrentX(), wrap_)) {
      if (!room()) return;
      PrintWrappedText(piece + kCrLf, wrap_);
    }
  }
  void wrappedAt(double x, const QString& text) {
    if (!room()) return;
    SetCurrentX(x);
    wrapped(text);
  }
  void rule() {
    if (!room()) return;
    PrintTextNewLine(QString());
    const double y = GetCurrentY();
    DrawStyledLine(1, left_, y, right_, y, PaperSettings.LineColor);
    SetCurrentY(y + 1);
  }

 private:
  double left_, right_, c2_, cz_, bottom_;
  float wrap_;
  bool full_ = false;
};

QString Title(const AddressRecord& e) {
  if (e.field(kFieldKana).isEmpty()) return QStringLiteral("個人情報  [               ]");
  if (!e.field(kFieldHandle).isEmpty())
    return QStringLiteral("個人情報  [ ") + e.field(kFieldName) + u'(' + e.field(kFieldHandle) + QStringLiteral(") ]");
  return QStringLiteral("個人情報  [ ") + e.field(kFieldName) + QStringLiteral(" ]");
}

}  // namespace

int PrintPersonalInfoPage(const AddressRecord& entry, const PersonalInfoCaptions& captions, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  auto f = [&](int n) { return entry.field(n); };
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(left, right);
  DrawPageHeader(Title(entry), left, right);
  SetForeColor(p.DataColor);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentY(p.DataHeight + 2);
  SheetPrinter s(left, right, p.FootHeight);

  s.inlineAt(s.left(), QStringLiteral("カナ名:") + f(kFieldKana), s.c2());
  s.lineAt(s.c2(), QStringLiteral("携帯:") + f(kFieldTel));
  s.down(0.5);
  s.inlineAt(s.left(), captions.yobi + u':' + f(kFieldYobi), s.c2());
  s.lineAt(s.c2(), QStringLiteral("自宅:") + f(kFieldJitaku));
  s.rule();

  s.wrappedAt(s.left(), f(kFieldKaisyaName));
  s.lineAt(s.c2(), QStringLiteral("TEL :") + f(kFieldKaisyaTel));
  s.down(0.5);
  s.inlineAt(s.left(), f(kFieldPost), s.c2());
  s.lineAt(s.c2(), QStringLiteral("FAX :") + f(kFieldKaisyaFax));
  s.rule();

  if (f(kFieldAddress1).isEmpty())
    s.lineAt(s.left(), QStringLiteral("住所:"));
  else
    s.wrappedAt(s.left(), f(kFieldAddress1));
  s.inlineAt(s.left(), QStringLiteral("     "), right);
  s.wrapped(f(kFieldAddress2));
  s.lineAt(s.cz(), u'〒' + f(kFieldZip));
  s.rule();

  s.lineAt(s.left(), QStringLiteral("ﾒｰﾙ :") + f(kFieldMail));
  s.down(0.5);
  s.at(s.left());
  if (!captions.biko1.isEmpty()) s.inlineAt(s.left(), captions.biko1 + u':', right);
  s.wrapped(f(kFieldBikou));
  s.down(0.5);
  s.at(s.left());
  // One label serves both remarks when the user named them alike.
  if (!captions.biko2.isEmpty() && captions.biko2 != captions.biko1) s.inlineAt(s.left(), captions.biko2 + u':', right);
  s.wrapped(f(kFieldBikou2));
  s.down(0.5);
  // A typed line break ends a printed line, however the box gave it.
  s.wrappedAt(s.left(), platform::NormaliseToCrLf(f(kFieldBikou3)));
  s.down(0.5);
  s.wrappedAt(s.left(), f(kFieldUrl));

  // The notes table only where its heading row fits above the footer: a
  // page full of remarks goes without it rather than draw it turned over.
  if (!s.full()) {
    for (int i = 0; i < 4; ++i) PrintTextNewLine(QString());
    const double top = GetCurrentY();
    if (top + 1 + ActiveSurface().textHeight() + 2 <= p.FootHeight) {
      DrawBox(1, left, top, right, p.FootHeight, p.LineColor);
      DrawStyledLine(1, left + 5, top, left + 5, p.FootHeight, p.LineColor);
      DrawStyledLine(1, left + 15, top, left + 15, p.FootHeight, p.LineColor);
      SetCurrentY(top + 1);
      SetCurrentX(left + 7);
      PrintTextInline(QStringLiteral("日付"));
      SetCurrentX(left + 17);
      PrintTextNewLine(QStringLiteral("内容"));
      s.down(2);
      const double y = GetCurrentY();
      DrawStyledLine(1, left, y, right, y, p.LineColor);
    }
  }
  DrawPageFooter(QString(), left, right);
  return 0;
}
