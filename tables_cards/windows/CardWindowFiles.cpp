// The card window's file work: the configured file at load with its sample
// and weekday backup, opening another file, and storing the layout in the
// file's head.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

#include "CardColumnList.h"
#include "CardWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/settings/WeekdayBackup.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/Twips.h"
#include "core/ui/UnsavedChanges.h"

namespace {
const QString kFilter = QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||");

// A stored path relative to the program folder ("name" or "./sub/name") as
// a path the file routines can open.
QString ResolvedPath(const QString& stored) {
  QString path = stored.trimmed();
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (path.isEmpty() || QDir::isAbsolutePath(path)) return path;
  return QDir::cleanPath(ProgramFolder + path);
}
}  // namespace

bool ReadCardFileBytes(const QString& path, QByteArray& content) {
  // The cards live in this file: a failed read is as grave as under a write.
  return ReadDataFileWithinLimitOrReport(path, content, QString(), platform::Problem::ReadFailed);
}

void CardWindow::Form_Load() {
  List2->setFixedHeight(TwipsToPixelsY(4125));
  Cmb_men->clear();
  Cmb_men->addItems({QStringLiteral("表裏交互"), QStringLiteral("裏表交互"), QStringLiteral("Ａ４両面")});
  Cmb_men->setCurrentIndex(0);
  CurrentCardFile = GetIniValueOrDefault(QStringLiteral("VOREVA"), QStringLiteral("FILE"), QStringLiteral("VOREVA.csv"));
  if (CurrentCardFile.isEmpty()) CurrentCardFile = QStringLiteral("VOREVA.csv");  // settings that cannot be read
  const QString path = ResolvedPath(CurrentCardFile);
  if (SafeDir(path).trimmed().isEmpty()) platform::SaveFileOrReport(path, CardSampleFile());
  // The file is read once here and its failure told once: a file that
  // cannot be read has no backup to make either.
  QByteArray content;
  const bool read = QFileInfo(path).isFile() && ReadCardFileBytes(path, content);
  if (read)
    MakeWeekdayBackup(path, QStringLiteral("voreva"), QStringLiteral("txt"),
                      QStringLiteral("バックアップファイルが書き込み禁止になっています"), platform::Today());
  showCardFile(read ? &content : nullptr);
  DrawCardPreview();
  ApplyImeMode(this);
}

void CardWindow::showCardFile(const QByteArray* content) {
  setWindowTitle(QStringLiteral("カード - ") + CurrentCardFile);
  Txt_csvFile->setText(CurrentCardFile);
  CardExtraLines.clear();
  columns.clear();
  List2->setEnabled(false);
  if (content) {
    const CardHead head = ReadCardFile(*content);
    Txt_Title->setText(head.title);
    CardExtraLines = head.extraLines;
    columns = head.columns;
  }
  showColumns();
  List2->setEnabled(true);
  savedLayout_ = LayoutNow();
}

QStringList CardWindow::LayoutNow() const {
  QStringList layout{Txt_Title->text()};
  for (const CardColumn& column : columns) layout << column.position;
  return layout;
}

bool CardWindow::LayoutChanged() const { return LayoutNow() != savedLayout_; }

void CardWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, LayoutChanged(), mode, WriteBeforeClosingQuestion(QStringLiteral("カード"), mode),
                         [this] { return writeLayout(); }, cancel);
}

void CardWindow::Cmd_FileRead_Click() {
  if (!MayReadOverChanges(this, LayoutChanged(), QStringLiteral("カード"), [this] { return writeLayout(); })) return;
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(ResolvedPath(CurrentCardFile)),
                                        FileNameOfPath(CurrentCardFile), FileMenuCaption(FileItem::Read), kFilter, 1,
                                        QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  const QString stored = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  const QString path = ResolvedPath(stored);
  if (SafeDir(path).isEmpty()) {
    platform::ShowMessage(QStringLiteral("ファイルがみつかりません"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return;
  }
  BeginBusy(this);
  // Read first: a file that cannot be read, or is no text, leaves the cards
  // and the file they are written to as they were.
  QByteArray content;
  if (ReadCardFileBytes(path, content)) {
    CurrentCardFile = stored;
    showCardFile(&content);
    DrawCardPreview();
  }
  EndBusy(this);
}

void CardWindow::Cmd_FileWrite_Click() { writeLayout(); }

bool CardWindow::writeLayout() {
  const QString path = ResolvedPath(Txt_csvFile->text());
  if (SafeDir(path).isEmpty()) {
    platform::ShowMessage(QStringLiteral("ファイルが読み込まれていません"));
    return false;
  }
  const QString question = QStringLiteral("CSVファイルの先頭に印刷形式を追加します。\nこれにより、元のCSVファイルのデータが変更されます。\n\n変更しますか。\n");
  if (platform::ShowMessage(question, platform::MsgButtons::OkCancel, platform::MsgIcon::Exclamation) !=
      platform::MsgResult::Ok)
    return false;
  CardHead layout;
  layout.title = Txt_Title->text();
  layout.columns = columns;
  layout.extraLines = CardExtraLines;
  const QStringList head = CardHeadLines(
      layout, {platform::CurrentDateTime(), PaperSettings.DataFontName, PaperSettings.DataFontSize});
  if (!platform::CheckSavableText(head.join(QStringLiteral("\n")))) return false;
  BeginBusy(this);
  bool written = false;
  QByteArray original;
  // The read here refuses a file over the size limit before the lock is
  // taken; the cycle reads the file again under its lock, and a file that
  // cannot be read is never rewritten. The records go through as the bytes
  // they are, so bytes of another code page need no question.
  if (ReadCardFileBytes(path, original)) {
    written = RewriteDataFileBytes(
        path,
        [&head](QList<QByteArray>& lines) {
          QByteArray stood;
          for (const QByteArray& line : lines) stood += line + "\r\n";
          // The user's copy of the file as it stood; the file itself is
          // replaced atomically, so a copy that cannot be made stops nothing.
          platform::SaveFileAtomically(ProgramFolder + QStringLiteral("ringpad2.tmp"), stood);
          lines = platform::SplitLines(WriteCardFile(stood, head));
          return true;
        },
        {.confirmForeignBytes = false});
  }
  if (written) savedLayout_ = LayoutNow();
  EndBusy(this);
  return written;
}
