// The tree window's print button: one organiser page per output page at the
// front position, paper prompts between pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "TreePage.h"
#include "TreeWindow.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

void TreeWindow::Cmd_print_Click() {
  TreeChart chart;
  chart.title = Txt_Title->text();
  chart.remarks = RemarkText();
  chart.boxLayout = cmb_box->currentIndex() < 0 ? 0 : cmb_box->currentIndex();
  chart.paging = cmb_level->currentIndex() == 1 ? TreePaging::TopLevelPages : TreePaging::Continuous;
  chart.levelColours = chk_kaisoColor->isChecked();
  chart.thinLines = chk_lineHosome->isChecked();
  chart.colours = LevelColours;
  // Without room for one row every line would land on a page of its own,
  // drawn past the footer; refuse before a job is opened.
  if (MeasureTree(chart.boxLayout, chart.remarks).rowsPerPage < 1) {
    platform::ShowMessage(QStringLiteral("用紙が小さすぎて印刷できません"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return;
  }
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);
  SetPrinterScaleMode(kScaleMillimetres);
  chart.Prepare(ItemText());
  if (Cmb_men->currentIndex() != 0) {
    const QString type = Cmb_Type->currentItem() ? Cmb_Type->currentItem()->text() : QString();
    platform::ShowMessage(QStringLiteral("「") + type + QStringLiteral("」の「") + Cmb_men->currentText() +
                          QStringLiteral("」はまだ出来ていません。要望があれば作ります"));
  } else {
    PrintTreePages(chart);
  }
  EndPrintDocument();
  EndBusy(this);
}
