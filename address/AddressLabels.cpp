#include "AddressLabels.h"

#include <QCoreApplication>
#include <algorithm>

#include "AddressPrintLines.h"
#include "Honorific.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int kLabelsPerPage = 12;
constexpr double kSheetWidth = 210;
constexpr double kSheetHeight = 295;

void DrawLabel(int n, const AddressRecord& r, bool withCompany) {
  const PaperSettingsData& p = PaperSettings;
  const int column = (n + 1) % 2;
  const int row = (n + 1) / 2 - 1;
  const double x = 105.0 * column + 5;
  const double y = row * kSheetHeight / 6;
  SetForeColor(p.DefaultColor);
  SetFontName(p.DefaultFontName);
  SetFontSize(12);
  DrawStyledLine(1, x, 0, x, kSheetHeight, p.LineColor);
  if (row >= 1) DrawStyledLine(1, 0, y, kSheetWidth, y, p.LineColor);

  auto line = [x](const QString& text) {
    SetCurrentX(x);
    PrintTextNewLine(text);
  };
  auto down = [](double d) { SetCurrentY(GetCurrentY() + d); };
  SetCurrentY(y + 5);
  line(QStringLiteral("  ") + r.field(kFieldZip));
  down(1);
  line(QStringLiteral("  ") + r.field(kFieldAddress1));
  if (!r.field(kFieldAddress2).isEmpty()) {
    down(1);
    line(QString(9, u' ') + r.field(kFieldAddress2));
  }
  if (withCompany) {
    const QString post = r.field(kFieldPost);
    if (!r.field(kFieldKaisyaName).isEmpty()) {
      down(2);
      line(QString(9, u' ') + r.field(kFieldKaisyaName));
    }
    if (!post.isEmpty()) {
      down(2);
      line(QString(6, u' ') + post);
    }
    SetFontSize(16);
    down(2);
    line(QString(6, u' ') + SplitHonorific(post, r.field(kFieldName)));
  } else {
    SetFontSize(16);
    down(2);
    line(QString(6, u' ') + r.field(kFieldName) + u'様');
  }
  SetFontSize(12);
  if (!r.field(kFieldNo).isEmpty()) {
    down(2);
    line(QString(27, u' ') + QStringLiteral("No:") + r.field(kFieldNo));
  }
}

}  // namespace

int PrintAddressLabels(int withCompany, int page, const AddressPrintLines& lines) {
  SetPrinterScaleMode(kScaleMillimetres);
  const AddressRecord empty;
  int finished = 0;
  int label = 0;
  int currentPage = 1;
  qsizetype next = 0;
  // Each page begins where the walk of the job first reached it, so a page
  // costs the same whatever its number.
  std::vector<qsizetype>& starts = lines.labelPageStarts;
  if (page >= 2 && !starts.empty()) {
    const size_t known = std::min(size_t(page - 2), starts.size() - 1);
    next = starts[known];
    currentPage = int(known) + 1;
    label = kLabelsPerPage;
  }
  for (int turn = 0;; ++turn) {
    if (turn % 256 == 0) QCoreApplication::processEvents();
    const qsizetype stepNext = next;
    const AddressRecord* record = &empty;
    if (next < lines.records.size()) {
      record = &lines.records.at(next++);
      // Only an entry whose do-not-print flag is plainly off gets a label.
      if (!record->field(kFieldFlags).startsWith(u'0')) continue;
    } else {
      finished = 1;
    }
    if (++label > kLabelsPerPage) {
      label = 1;
      ++currentPage;
      if (currentPage <= page && starts.size() == size_t(currentPage - 2)) starts.push_back(stepNext);
    }
    if (currentPage < page) continue;
    if (currentPage > page) return finished;
    DrawLabel(label, *record, withCompany != 0);
    if (record != &empty) lines.lastPrinted = std::max(lines.lastPrinted, next - 1);
  }
}
