#include "FramedPhoneBook.h"

#include <utility>
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
  }

  void box(const AddressRecord& r, int n) {
    const PaperSettingsData& p = PaperSettings;
    const double y0 = p.DataHeight + (n - 1) * height_;
    SetForeColor(p.DataColor);
    SetFontName(p.DataFontName);
    SetFontSize(p.DefaultFontSize);
    DrawBox(2, left_, y0 + 1, right_, y0 + height_ - 1, p.LineColor);

    SetCurrentY(y0 + 1 + 2 * gap_);
    SetCurrentX(textX_);
    // The name and numbers stay left of the middle rule; a name cut short
    // already shows its mark, and the nickname is left out then.
    const float half = float(middle_ - kTextClearanceMm);
    bool nameCut = false;
    if (!TrimBlanks(r.field(kFieldName)).isEmpty()) {
      SetFontName(p.DefaultFontName);
      const QString name = r.field(kFieldName) + u' ';
      nameCut = PrintTextWithin(name, half) != name;
      SetFontName(p.DataFontName);
    }
    if (!nameCut) PrintTextWithin(PhoneBookNickname(r), half);
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
      PrintTextWithin(phones[i], half, true);
      if (i == 3) break;
      rule(-1, middle_);
      down(gap_);
    }
    const double bottom = GetCurrentY();
    rule(1, right_);
    DrawStyledLine(1, middle_, y0 + 1, middle_, bottom, p.LineColor);
    SetCurrentY(bottom);

    down(2 * gap_);
    linesBelow(r, y0 + height_ - 1);
  }

 private:
  void down(double d) const { SetCurrentY(GetCurrentY() + d); }
  // A rule from the left edge at the cursor's line; the cursor stays there.
  void rule(int style, double to) const {
    const double y = GetCurrentY();
    DrawStyledLine(style, left_, y, to, y, PaperSettings.LineColor);
    SetCurrentY(y);
    SetCurrentX(textX_);
  }

  // One line under the numbers: the company, an extra line or the address.
  struct BelowLine {
    QString text;
    float size = 0;
    bool ruleBefore = false;
    bool endsLine = true;
    QString zip = QString();  // the address block's second line: the postcode at two thirds
  };

  std::vector<BelowLine> belowLines(const AddressRecord& r) const {
    const PaperSettingsData& p = PaperSettings;
    const float size = p.DefaultFontSize;
    std::vector<BelowLine> out{{.text = r.field(kFieldKaisyaName), .size = size}};
    const auto& x = o_.extras;
    bool firstExtra = true;  // the extra lines open with a rule
    const std::pair<int, int> order[] = {{1, kFieldMail}, {2, kFieldBikou}, {3, kFieldBikou2}, {4, kFieldBikou3}, {0, kFieldUrl}};
    for (const auto& [flag, field] : order) {
      if (x[flag] != 1) continue;
      // The remark stays on one line, as the file keeps it.
      QString value = r.field(field);
      if (field == kFieldBikou3) value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
      out.push_back({.text = u' ' + value, .size = size, .ruleBefore = firstExtra});
      firstExtra = false;
    }
    if (o_.addressMode == 1) {
      out.push_back({.text = (r.field(kFieldZip).left(8) + QString(8, u' ')).left(8) + u' ' +
                             TrimBlanks(r.field(kFieldAddress1)) + u' ' + TrimBlanks(r.field(kFieldAddress2)),
                     .size = size - 2,
                     .ruleBefore = true,
                     .endsLine = false});
    } else if (o_.addressMode == 2) {
      out.push_back({.text = QStringLiteral("住所:") + r.field(kFieldAddress1), .size = size, .ruleBefore = true});
      out.push_back(
          {.text = QStringLiteral("     ") + r.field(kFieldAddress2), .size = size, .zip = u'〒' + r.field(kFieldZip)});
    }
    return out;
  }

  // The lines go on at their own line height while they fit above the box's
  // bottom; the last line that fits ends with "…" when lines are left out.
  void linesBelow(const AddressRecord& r, double bottom) const {
    const std::vector<BelowLine> lines = belowLines(r);
    const float right = float(right_ - kTextClearanceMm);
    auto heightAt = [](float size) {
      const float was = GetFontSize();
      SetFontSize(size);
      const double h = ActiveSurface().textHeight();
      SetFontSize(was);
      return h;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
      const BelowLine& line = lines[i];
      const double y = GetCurrentY();
      const double h = heightAt(line.size);
      if (y + h > bottom) break;
      const bool last = i + 1 < lines.size() && y + h + heightAt(lines[i + 1].size) > bottom;
      if (line.ruleBefore) rule(-1, right_);
      SetFontSize(line.size);
      SetCurrentX(textX_);
      if (last) {
        PrintTextWithin(line.text + u'…', right, true);
        break;
      }
      if (line.zip.isEmpty()) {
        PrintTextWithin(line.text, right, line.endsLine);
        continue;
      }
      const double zipX = (right_ - left_) * 2 / 3 + textX_;
      PrintTextWithin(line.text, float(zipX - kTextClearanceMm));
      SetCurrentX(zipX);
      PrintTextWithin(line.zip, right, true);
    }
  }

  double left_, right_;
  const FramedPhoneBookOptions& o_;
  double textX_ = 0, middle_ = 0, gap_ = 0, height_ = 0;
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
