// The table window's handlers: templates, the tab bar, the option samples,
// reading, writing and help.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

#include "TableFile.h"
#include "TableTemplates.h"
#include "TableWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/PaperSettings.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/text/PathHelpers.h"
#include "core/text/StringHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/HelpPage.h"
#include "core/ui/OverwriteQuestion.h"
#include "core/ui/TabBar.h"
#include "core/ui/UnsavedChanges.h"

namespace {

const QString kTableFilter =
    QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||");
const QColor kShaded(0xC0, 0xC0, 0xC0);
const QColor kWhite(0xFF, 0xFF, 0xFF);

// Nothing else of the window may run while a file is read or written or a
// page is switched.
using Busy = BusyScope;

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

bool SuperOrganiser() { return PaperSettings.SuperOrganiserMode == 1; }

}  // namespace

void TableWindow::Cmb_type_Click() {
  if (TemplateApplying) return;
  const bool loaded = shownTemplate_ >= 0;
  if (loaded &&
      !MayReadOverChanges(this, templateReplacesWork(), QStringLiteral("表"), [this] { return writeTable(); })) {
    // The click that chose the row selects it once this handler is done:
    // the row shown is put back now and selected again after it.
    const auto putBack = [this] {
      TemplateApplying = true;
      cmb_type->setCurrentRow(shownTemplate_, QItemSelectionModel::ClearAndSelect);
      TemplateApplying = false;
    };
    putBack();
    QTimer::singleShot(0, this, putBack);
    return;
  }
  TemplateApplying = true;
  shownTemplate_ = cmb_type->currentRow();
  TableOptions options = Options();
  ApplyTableTemplate(options, static_cast<int16_t>(shownTemplate_), SuperOrganiser());
  ShowOptions(options);
  TemplateApplying = false;
  // A template is no work of the user's: the table asks again only once it
  // is changed.
  if (loaded) savedTable_ = Options();
}

void TableWindow::Picture3_MouseDown(int Button, int Shift, int X, int Y) {
  Busy busy(this);
  const int n = 1 + static_cast<int>(Picture3->Tag().count(u','));
  const int16_t t = TabBarClick(Picture3, static_cast<int16_t>(X));
  for (int i = 1; i <= n && i <= static_cast<int>(Picture1.size()); ++i) Picture1[i - 1]->setVisible(i == t);
}

void TableWindow::chk_midasiAmi_Click() {
  const QColor colour = chk_midasiAmi->isChecked() ? kShaded : kWhite;
  for (QWidget* w : {static_cast<QWidget*>(Shap_amikake_yoko), static_cast<QWidget*>(chk_midasiAmi),
                     static_cast<QWidget*>(Chk_midasi)})
    SetBackground(w, colour);
}

void TableWindow::cmb_amikake_col_Click() {
  SetBackground(Shap_amikake_tate, cmb_amikake_col->currentIndex() > 0 ? kShaded : kWhite);
}

void TableWindow::chk_tensen_Click() {
  const int style = chk_tensen->isChecked() ? 3 : 1;
  for (QFrame* line : Line_yokokei) {
    line->setProperty("BorderStyle", style);
    line->setStyleSheet(style == 3 ? QStringLiteral("border-top: 1px dotted black;")
                                   : QStringLiteral("border-top: 1px solid black;"));
  }
}

void TableWindow::Cmd_FileRead_Click() {
  if (!MayReadOverChanges(this, TableChanged(), QStringLiteral("表"), [this] { return writeTable(); })) return;
  const QString path = ShowFileDialog(true, nullptr, FolderOfPath(TableFilePath), FileNameOfPath(TableFilePath),
                                      FileMenuCaption(FileItem::Read), kTableFilter, 1, QString());
  if (path.isEmpty()) return;
  const QString stored = ProgramRelativePath(path, RelativeStyle::Bare);
  Busy busy(this);
  // The file is read whole first, so that a failure leaves the table on
  // screen as it was.
  QByteArray bytes;
  Txt_Data->setEnabled(false);
  const bool read = ReadDataFileWithinLimitOrReport(path, bytes);
  Txt_Data->setEnabled(true);
  if (!read) return;
  const TableOptions options = ReadTableFile(bytes, Options(), stored, SuperOrganiser());
  TableFilePath = stored;
  setWindowTitle(QStringLiteral("表 - ") + stored);
  TemplateApplying = true;
  cmb_type->setCurrentRow(0);
  shownTemplate_ = 0;
  ShowOptions(options);
  TemplateApplying = false;
  savedTable_ = Options();
}

void TableWindow::Cmd_FileWrite_Click() { writeTable(); }

bool TableWindow::writeTable() {
  const QString chosen = ShowFileDialog(false, nullptr, FolderOfPath(TableFilePath), FileNameOfPath(TableFilePath),
                                        FileMenuCaption(FileItem::Write), kTableFilter, 1, QStringLiteral("csv"));
  // A cancelled dialog keeps the file the window had, so that the next
  // dialog still opens at it.
  if (chosen.isEmpty()) return false;
  if (!OverwriteAgreed(chosen)) return false;
  const TableOptions options = Options();
  Busy busy(this);
  // The window moves to the new file only once it holds the table: a
  // declined question or a failed write leaves it at the file it had.
  if (!WriteDocumentFile(chosen, TableFileText(options))) return false;
  TableFilePath = chosen;
  savedTable_ = options;
  return true;
}

bool TableWindow::TableChanged() const { return WriteTableFile(Options()) != WriteTableFile(savedTable_); }

bool TableWindow::templateReplacesWork() const {
  const TableOptions now = Options();
  TableOptions kept = savedTable_;
  kept.amikakeCol = now.amikakeCol;
  kept.midasi = now.midasi;
  kept.midasiAmi = now.midasiAmi;
  kept.keisen = now.keisen;
  kept.amikake = now.amikake;
  kept.wakuHosome = now.wakuHosome;
  kept.tensen = now.tensen;
  kept.biko2 = now.biko2;
  kept.date = now.date;
  kept.page = now.page;
  return WriteTableFile(kept) != WriteTableFile(now);
}

void TableWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, TableChanged(), mode, WriteBeforeClosingQuestion(QStringLiteral("表"), mode),
                         [this] { return writeTable(); }, cancel);
}

QString TableHelpText() {
  const QStringList lines = {
      QStringLiteral("[使い方]"),
      QStringLiteral("　　「記入例」を選択してみてください。"),
      QString(),
      QStringLiteral("[表内容の書き方]"),
      QStringLiteral("　　CSVファイル形式(カンマ区切り形式)で記入してください。"),
      QStringLiteral("　　先頭が---の行は罫線行になります。"),
      QStringLiteral("　　色指定はサンプルの運行表を参照。"),
      QStringLiteral("　　中央寄せはサンプルのゴミだしを参照。"),
      QString(),
      QStringLiteral("[CSVファイルとは？]"),
      QStringLiteral("１．ファイル拡張子（ファイル名の最後の方）が．ＣＳＶのファイルをいいます。"),
      QStringLiteral("２．項目が１行にならんで、半角のカンマ「，」で各項目が区切られています。"),
      QStringLiteral("　　たとえば、「\"山川太郎\"，\"名古屋市\"，1999/01/02」のようなデータです。"),
      QString(),
      MoreHelpLine() + QStringLiteral("。"),
  };
  return lines.join(kCrLf) + kCrLf;
}

void TableWindow::Cmd_help_Click() {
  platform::ShowMessage(TableHelpText(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
