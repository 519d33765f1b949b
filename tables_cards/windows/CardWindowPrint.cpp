// The card window's print button: the file read once, the cards laid out
// at the layout picture's fixed width, whatever size the window has.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include "CardPrint.h"
#include "TablePrinting.h"
#include "CardWindow.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void CardWindow::Cmd_print_Click() {
  QString path = Txt_csvFile->text().trimmed();
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!path.isEmpty() && !QDir::isAbsolutePath(path)) path = QDir::cleanPath(ProgramFolder + path);
  CardJob job;
  job.title = Txt_Title->text();
  job.withNames = Chk_midasi->isChecked();
  job.cardHeight = CardHeightOf(columns, PaperSettings.DefaultFontSize);
  const QString refusal = CardJobRefusal(job, PaperSettings.PageWidth - PaperSettings.PageLeft);
  if (!refusal.isEmpty()) {
    platform::ShowMessage(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return;
  }
  // Fields placed off the card would print off the page and are left out;
  // the user hears which before the job, and may go and move them.
  if (const QString notice = CardOffCardNotice(columns); !notice.isEmpty()) {
    if (platform::ShowMessage(notice + QStringLiteral("\n\nこのまま印刷しますか？"), platform::MsgButtons::OkCancel,
                              platform::MsgIcon::Exclamation) != platform::MsgResult::Ok)
      return;
  }
  QByteArray content;
  if (!ReadCardFileBytes(path, content)) return;
  job.Load(content, columns);
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);
  SetPrinterScaleMode(kScaleMillimetres);
  const int side = Cmb_men->currentIndex();
  bool stoppedAtLimit = false;
  if (side >= 0 && side <= 2) {
    stoppedAtLimit = RunCardPages(side, job);
  } else {
    platform::ShowMessage(QStringLiteral("「") + Cmb_men->currentText() + QStringLiteral("」は未対応です"));
  }
  EndPrintDocument();
  if (stoppedAtLimit)
    platform::ShowMessage(PageLimitMessage(job.LastPrintedName()), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
  if (const QString overrun = CardOverrunNotice(job); !overrun.isEmpty())
    platform::ShowMessage(overrun, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  EndBusy(this);
}
