#include "FramedPhoneBook.h"

#include <cmath>

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
#include "core/text/JapaneseText.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kBoxesPerPage = 4;

class BoxPrinter {
 public:
  BoxPrinter(double left, double right, const FramedPhoneBookOptions& o) : left_(left), right_(right), o_(o) {
    const PaperSettingsData& p = PaperSettings;
    textX_ = left + 1;
    middle_ = RoundHalfEven((right - left) / 2 + left);
    gap_ = 0.4 * HalfCharWidthMm(p.DefaultFontSize);
    height_ = (p.FootHeight - p.DataHeight - 1) / double(kBoxesPerPage);
    // Five half-width characters stay in reserve after the company name.
    companyLimit_ = p.DefaultFontSize > 0 ? int(std::floor((right - left) * 5.67 / p.DefaultFontSize)) - 5 : 0;
  }

  void box(const AddressRecord& r, int n) {
    const PaperSettingsData& p = PaperSettings;
    const QString company = CutCompany(r.field(kFieldKaisyaName));
    const double y0 = p.DataHeight + (n - 1) * height_;
    SetForeColor(p.DataColor);
    SetFontName(p.DataFontName);
    SetFontSize(p.DefaultFontSize);
    DrawBox(2, left_, y0 + 1, right_, y0 + height_ - 1, p.LineColor);

    SetCurrentY(y0 + 1 + 2 * gap_);
    SetCurrentX(textX_);
    if (!TrimBlanks(r.field(kFieldName)).isEmpty()) {
      SetFontName(p.DefaultFontName);
      PrintTextInline(r.field(kFieldName) + u' ');
      SetFontName(p.DataFontName);
    }
    PrintTextInline(PhoneBookNickname(r));
    PrintTextNewLine(QString());
    down(gap_);
    rule(1, middle_);
    down(gap_);

    const QString tel = r.field(kFieldTel);
    const QString phones[] = {
        (IsPhsNumber(tel) ? QStringLiteral("PHS ") : QStringLiteral("携  ")) + tel,
        QStringLiteral("自  ") + r.field(kFieldJitaku),
        QStringLiteral("会  ") + r.field(kFieldKaisyaTel),
        QStringLiteral("FAX ") + r.field(kFieldKaisyaFax),
    };
    for (int i = 0; i < 4; ++i) {
      SetCurrentX(textX_);
      PrintTextNewLine(phones[i]);
      if (i == 3) break;
      rule(-1, middle_);
      down(gap_);
    }
    const double bottom = GetCurrentY();
    rule(1, right_);
    DrawStyledLine(1, middle_, y0 + 1, middle_, bottom, p.LineColor);
    SetCurrentY(bottom);

    down(2 * gap_);
    SetCurrentX(textX_);
    PrintTextNewLine(company);
    extraLines(r);
    addressLines(r);
  }

 private:
  QString CutCompany(const QString& company) const {
    if (AnsiByteLen(company) <= companyLimit_) return company;
    // The first characters whose bytes just pass the limit.
    int bytes = 0;
    qsizetype i = 0;
    while (i < company.size() && bytes <= companyLimit_) {
      const qsizetype start = i;
      NextCharacter(company, i);
      bytes += AnsiByteLen(company.mid(start, i - start));
    }
    return company.left(i);
  }
  void down(double d) const { SetCurrentY(GetCurrentY() + d); }
  // A rule from the left edge at the cursor's line; the cursor stays there.
  void rule(int style, double to) const {
    const double y = GetCurrentY();
    DrawStyledLine(style, left_, y, to, y, PaperSettings.LineColor);
    SetCurrentY(y);
    SetCurrentX(textX_);
  }

  void extraLines(const AddressRecord& r) const {
    const auto& x = o_.extras;
    if (x[0] == 1 || x[1] == 1 || x[2] == 1 || x[3] == 1 || x[4] == 1) rule(-1, right_);
    const std::pair<int, int> order[] = {{1, kFieldMail}, {2, kFieldBikou}, {3, kFieldBikou2}, {4, kFieldBikou3}, {0, kFieldUrl}};
    for (const auto& [flag, field] : order) {
      if (x[flag] != 1) continue;
      SetCurrentX(textX_);
      // The remark stays on one line, as the file keeps it.
      QString value = r.field(field);
      if (field == kFieldBikou3) value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
      PrintTextNewLine(u' ' + value);
    }
  }

  void addressLines(const AddressRecord& r) const {
    const PaperSettingsData& p = PaperSettings;
    if (o_.addressMode != 1 && o_.addressMode != 2) return;
    rule(-1, right_);
    if (o_.addressMode == 1) {
      SetFontSize(p.DefaultFontSize - 2);
      PrintTextInline((r.field(kFieldZip).left(8) + QString(8, u' ')).left(8) + u' ' + TrimBlanks(r.field(kFieldAddress1)) +
                      u' ' + TrimBlanks(r.field(kFieldAddress2)));
      return;
    }
    SetFontSize(p.DefaultFontSize);
    PrintTextNewLine(QStringLiteral("住所:") + r.field(kFieldAddress1));
    SetCurrentX(textX_);
    PrintTextInline(QStringLiteral("     ") + r.field(kFieldAddress2));
    SetCurrentX((right_ - left_) * 2 / 3 + textX_);
    PrintTextNewLine(u'〒' + r.field(kFieldZip));
  }

  double left_, right_;
  const FramedPhoneBookOptions& o_;
  double textX_ = 0, middle_ = 0, gap_ = 0, height_ = 0;
  int companyLimit_ = 0;
};

}  // namespace

int PrintFramedPhoneBook(int /*variant*/, int sortIndex, const QString& category, int page, double left, double right,
                         const AddressPrintLines& lines, const FramedPhoneBookOptions& options) {
  if (lines.count() == 0) return 1;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(left, right);

  BoxPrinter printer(left, right, options);
  PhoneBookWalk walk;
  walk.slotsPerPage = kBoxesPerPage;
  if (sortIndex == 1) walk.groupKey = [](const AddressRecord& r) { return IndexKeyOfReading(r.field(kFieldKana)); };
  if (sortIndex == 3) walk.groupKey = [](const AddressRecord& r) { return TrimBlanks(r.field(kFieldKaisyaName)).toUpper(); };
  walk.drawHeader = [&](const AddressRecord& r) {
    DrawPageHeader(PhoneBookTitle(category, sortIndex, r, false), left, right);
    SetCurrentY(PaperSettings.DataHeight);
  };
  walk.drawSlot = [&](const AddressRecord& r, int slot) { printer.box(r, slot); };
  walk.drawFooter = [&] { DrawPageFooter(QString(), left, right); };
  return PhoneBookPageWalk(lines, page, false, walk);
}
