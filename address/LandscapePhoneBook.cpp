#include "LandscapePhoneBook.h"

#include "AddressPrintLines.h"
#include "PhoneBookHeader.h"
#include "PhoneBookPageWalk.h"
#include "ReadingKeys.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/RotatedText.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kColumns = 30;

void DrawColumn(const AddressRecord& r, int column, double left, double right, float size) {
  const PaperSettingsData& p = PaperSettings;
  const double x = (right - left - 1) / kColumns * (column - 1) + left + 0.5;
  if (column != 1 && column % 3 == 1) DrawStyledLine(1, x - 0.2, p.DataHeight, x - 0.2, p.FootHeight, p.LineColor);
  SetForeColor(p.DataColor);
  SetFontName(p.DataFontName);
  SetFontSize(size);
  auto at = [x](double y, const QString& text, const QString& font = QString()) {
    SetCurrentY(y);
    SetCurrentX(x);
    if (!font.isEmpty()) SetFontName(font);
    PrintRotatedTextAtCursor(text);
    if (!font.isEmpty()) SetFontName(PaperSettings.DataFontName);
  };
  const double foot = p.FootHeight;
  if (!TrimBlanks(r.field(kFieldName)).isEmpty())
    at(foot - 1, r.field(kFieldName), p.DefaultFontName);
  else if (!TrimBlanks(r.field(kFieldHandle)).isEmpty())
    at(foot - 1, u'[' + r.field(kFieldHandle) + u']');
  at(foot - 15, r.field(kFieldMail));
  at(foot - 55, r.field(kFieldJitaku));
  at(foot - 70, r.field(kFieldTel));
  at(foot - 85, QStringLiteral("〒 ") + r.field(kFieldZip));
  at(foot - 97, r.field(kFieldAddress1) + u' ' + r.field(kFieldAddress2));
}

}  // namespace

int PrintLandscapePhoneBook(int designIndex, int sortIndex, const QString& category, int page, double left,
                            double right, const AddressPrintLines& lines) {
  if (lines.count() == 0) return 1;
  const float size = PaperSettings.DataFontSize - 4;
  SetPrinterScaleMode(kScaleMillimetres);
  DrawPageFrame(left, right);

  PhoneBookWalk walk;
  walk.slotsPerPage = kColumns;
  // "カナ別" groups by kana row and "会社別" by company, as the order list
  // names them; "会社順" only sorts.
  if (sortIndex == 1) walk.groupKey = [](const AddressRecord& r) { return IndexKeyOfReading(r.field(kFieldKana)); };
  if (sortIndex == 3) walk.groupKey = [](const AddressRecord& r) { return TrimBlanks(r.field(kFieldKaisyaName)).toUpper(); };
  walk.drawHeader = [&](const AddressRecord& r) {
    DrawPageHeader(PhoneBookTitle(category, sortIndex, r, true), left, right);
    SetCurrentY(PaperSettings.DataHeight);
  };
  walk.drawSlot = [&](const AddressRecord& r, int slot) { DrawColumn(r, slot, left, right, size); };
  walk.drawFooter = [&] { DrawPageFooter(QString(), left, right); };
  return PhoneBookPageWalk(lines, page, false, walk);
}
