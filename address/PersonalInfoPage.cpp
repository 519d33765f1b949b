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
#include "core/text/StringHelpers.h"

namespace {


class SheetPrinter {
 public:
  SheetPrinter(double left, double right)
      : left_(left), right_(right), c2_(left + (right - left) * 55 / 100), cz_(left + (right - left) * 2 / 3),
        wrap_(float(right - 1)) {}

  double left() const { return left_; }
  double c2() const { return c2_; }
  double cz() const { return cz_; }

  void at(double x) const { SetCurrentX(x); }
  void down(double d) const { SetCurrentY(GetCurrentY() + d); }
  void wrapped(const QString& text) const { PrintWrappedText(text + kCrLf, wrap_); }
  void rule() const {
    PrintTextNewLine(QString());
    const double y = GetCurrentY();
    DrawStyledLine(1, left_, y, right_, y, PaperSettings.LineColor);
    SetCurrentY(y + 1);
  }

 private:
  double left_, right_, c2_, cz_;
  float wrap_;
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
  SetPrinterScaleMode(6);
  DrawPageFrame(left, right);
  DrawPageHeader(Title(entry), left, right);
  SetForeColor(p.DataColor);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentY(p.DataHeight + 2);
  const SheetPrinter s(left, right);

  s.at(s.left());
  PrintTextInline(QStringLiteral("カナ名:") + f(kFieldKana));
  s.at(s.c2());
  PrintTextNewLine(QStringLiteral("携帯:") + f(kFieldTel));
  s.down(0.5);
  s.at(s.left());
  PrintTextInline(captions.yobi + u':' + f(kFieldYobi));
  s.at(s.c2());
  PrintTextNewLine(QStringLiteral("自宅:") + f(kFieldJitaku));
  s.rule();

  s.at(s.left());
  s.wrapped(f(kFieldKaisyaName));
  s.at(s.c2());
  PrintTextNewLine(QStringLiteral("TEL :") + f(kFieldKaisyaTel));
  s.down(0.5);
  s.at(s.left());
  PrintTextInline(f(kFieldPost));
  s.at(s.c2());
  PrintTextNewLine(QStringLiteral("FAX :") + f(kFieldKaisyaFax));
  s.rule();

  s.at(s.left());
  if (f(kFieldAddress1).isEmpty())
    PrintTextNewLine(QStringLiteral("住所:"));
  else
    s.wrapped(f(kFieldAddress1));
  s.at(s.left());
  PrintTextInline(QStringLiteral("     "));
  s.wrapped(f(kFieldAddress2));
  s.at(s.cz());
  PrintTextNewLine(u'〒' + f(kFieldZip));
  s.rule();

  s.at(s.left());
  PrintTextNewLine(QStringLiteral("ﾒｰﾙ :") + f(kFieldMail));
  s.down(0.5);
  s.at(s.left());
  if (!captions.biko1.isEmpty()) PrintTextInline(captions.biko1 + u':');
  s.wrapped(f(kFieldBikou));
  s.down(0.5);
  s.at(s.left());
  // One label serves both remarks when the user named them alike.
  if (!captions.biko2.isEmpty() && captions.biko2 != captions.biko1) PrintTextInline(captions.biko2 + u':');
  s.wrapped(f(kFieldBikou2));
  s.down(0.5);
  s.at(s.left());
  // A typed line break ends a printed line, however the box gave it.
  s.wrapped(platform::NormaliseToCrLf(f(kFieldBikou3)));
  s.down(0.5);
  s.at(s.left());
  s.wrapped(f(kFieldUrl));

  for (int i = 0; i < 4; ++i) PrintTextNewLine(QString());
  const double top = GetCurrentY();
  DrawBox(1, left, top, right, p.FootHeight, p.LineColor);
  DrawStyledLine(1, left + 5, top, left + 5, p.FootHeight, p.LineColor);
  DrawStyledLine(1, left + 15, top, left + 15, p.FootHeight, p.LineColor);
  SetCurrentY(top + 1);
  s.at(left + 7);
  PrintTextInline(QStringLiteral("日付"));
  s.at(left + 17);
  PrintTextNewLine(QStringLiteral("内容"));
  s.down(2);
  const double y = GetCurrentY();
  DrawStyledLine(1, left, y, right, y, p.LineColor);
  DrawPageFooter(QString(), left, right);
  return 0;
}
