// The memo window's print button: the boxes as they stand, not the saved
// entry, printed in the chosen layout.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "MemoPrintJob.h"
#include "MemoTools.h"
#include "MemoWindow.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

MemoPageOptions MemoWindow::PageOptions() const {
  MemoPageOptions options;
  options.title = Text1->text();
  options.body = platform::NormaliseToCrLf(Text2->toPlainText());
  options.turned = Chk_yoko->isChecked();
  options.dateInFooter = Chk_DataNo->isChecked();
  options.pageInFooter = Chk_page->isChecked();
  options.linesPerPage = LinesPerPage;
  options.subtitleMarks = SubtitleMarks;
  return options;
}

void MemoWindow::Cmd_print_Click() {
  if (TrimBlanks(Text1->text()).isEmpty() && TrimBlanks(Text2->toPlainText()).isEmpty()) {
    platform::ShowMessage(QStringLiteral("題と内容を入力してください"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return;
  }
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);
  if (!(ParseNumber(txt_start->text()) > 0)) txt_start->setText(QStringLiteral("1"));
  const int start = std::max(1, int(ParseInt32(txt_start->text())));
  // The page is reflowed, not the box: printing leaves the memo as the user
  // has it, its final line break and undo too.
  MemoPageOptions options = PageOptions();
  if (Chk_Auto->isChecked()) options.body = memo::ReflowText(options.body, CharsPerLine);
  RunMemoPrintJob(options, std::max(0, Cmb_men->currentIndex()), Cmb_men->currentText(), start);
  EndBusy(this);
}
