// The table window's print button.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

#include "TablePage.h"
#include "TablePrinting.h"
#include "TableWindow.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

// The font size chosen for one job is the job's only: whatever way the job
// ends, the sizes go back.
class KeptFontSizes {
 public:
  KeptFontSizes() : data_(PaperSettings.DataFontSize), normal_(PaperSettings.DefaultFontSize) {}
  ~KeptFontSizes() {
    PaperSettings.DataFontSize = data_;
    PaperSettings.DefaultFontSize = normal_;
  }

 private:
  float data_, normal_;
};

}  // namespace

void TableWindow::Cmd_print_Click() {
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);
  {
    KeptFontSizes kept;
    if (cmb_size[0]->currentIndex() > 0) {
      const float size = static_cast<float>(ParseNumber(cmb_size[0]->currentText()));
      PaperSettings.DataFontSize = size;
      PaperSettings.DefaultFontSize = size;
    }
    // The page ends the remarks with a line break itself: printing leaves
    // the table as the user has it.
    const TablePrintJob job(Options());
    SetPrinterScaleMode(kScaleMillimetres);
    const TablePageRenderer render = [this, &job](int16_t page, double leftX, double rightX) {
      return Chk_yoko->isChecked() ? PrintTableLandscape(job, page, leftX, rightX)
                                   : PrintTablePortrait(job, page, leftX, rightX);
    };
    const int code = TableSideCode(PaperSettings.SuperOrganiserMode, static_cast<int16_t>(Cmb_men->currentIndex()));
    bool stoppedAtLimit = false;
    if (!PrintTablePages(code, render, &stoppedAtLimit)) {
      const QString name = cmb_type->currentItem() ? cmb_type->currentItem()->text() : QString();
      platform::ShowMessage(TableUnsupportedSideMessage(name, Cmb_men->currentText()));
    }
    EndPrintDocument();
    if (stoppedAtLimit)
      platform::ShowMessage(PageLimitMessage(job.LastPrintedName()), platform::MsgButtons::Ok,
                            platform::MsgIcon::Exclamation);
  }
  EndBusy(this);
}
