// The memo window's load sequence, its index, the settings it applies, the
// caret display, the option handlers and the close check.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>

#include "LineItemList.h"
#include "DataFiles.h"
#include "MemoFile.h"
#include "MemoMetrics.h"
#include "MemoWindow.h"
#include "ToDoSettings.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/IniWriteBatch.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/StringHelpers.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/KeyCodes.h"
#include "core/ui/ListControls.h"
#include "core/ui/UnsavedChanges.h"

namespace {
const QStringList kSideLayouts = {QStringLiteral("表裏交互"), QStringLiteral("裏表交互"), QStringLiteral("Ａ４両面"),
                                  QStringLiteral("表(奇数頁)"), QStringLiteral("裏(偶数頁)"), QStringLiteral("表面"),
                                  QStringLiteral("裏面"), QStringLiteral("A4表に2枚"), QStringLiteral("A4に2折り"),
                                  QStringLiteral("４折り")};
constexpr int kFourFoldLayout = 9;
constexpr int16_t kCtrlA = 1;

void SetTextColour(QWidget* box, int32_t colour) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, QColorFromRgbValue(ColorByIndex(colour)));
  box->setPalette(palette);
}
}  // namespace

void MemoWindow::Form_Load() {
  IniWriteBatch settingsWrites;
  ShownEntryIndex = -1;
  RefillList(Cmb_men, kSideLayouts);
  Cmb_men->setCurrentIndex(PaperSettings.SuperOrganiserMode == 1 ? kFourFoldLayout : 0);
  {
    const QSignalBlocker quiet(cmb_size);
    cmb_size->clear();
    FillFontSizeList(cmb_size, QStringLiteral("FONTSIZE"));
    cmb_size->setCurrentIndex(-1);
  }
  Chk_DataNo->setChecked(GetIniValueOrDefault(kMemoSection, QStringLiteral("HIZUKE"), QStringLiteral("1")).toInt() != 0);

  QString stored = GetIniValue(kMemoSection, QStringLiteral("FILE"));
  if (TrimBlanks(stored).isEmpty()) {
    stored = QStringLiteral("dudezu.txt");
    WriteIniValue(kMemoSection, QStringLiteral("FILE"), stored);
  }
  MemoFilePath = todo::InProgramFolder(stored);
  if (!QFileInfo::exists(MemoFileLocalPath())) todo::CreateDataFile(MemoFileLocalPath(), memo::MemoSampleLines());

  SubtitleMarks = TrimBlanks(GetIniValue(kMemoSection, QStringLiteral("SUBTITLE")));
  if (SubtitleMarks.isEmpty()) {
    SubtitleMarks = QStringLiteral("[");
    WriteIniValue(kMemoSection, QStringLiteral("SUBTITLE"), SubtitleMarks);
  }
  settingsWrites.commit();

  // The index reads the file first: one that cannot be read is named there,
  // once, and a backup of it would only fail the same way.
  if (LoadMemoIndex()) todo::MakeWeekdayBackup(MemoFileLocalPath(), QStringLiteral("dudezu"), QStringLiteral("txt"));
  ApplyMemoSettings();
  if (List1->count() > 0) {
    List1->setCurrentRow(0);
    cmd_update_click(0);
  }
  ApplyImeMode(this);
}

namespace {
// The memo file's lines, from one checked read of its bytes. While the file
// holds the lines the window shows, those very lines are taken and the
// lines read are let go piece by piece: a large file read again unchanged
// is never held twice.
bool ReadMemoFileLinesOnce(const QString& path, const QStringList& shown, QStringList& lines, QString* error) {
  QStringList differing;
  qsizetype matched = 0;
  bool same = true;
  const bool read = platform::ReadLinePieces(path, [&](const QByteArray& piece) {
    QStringList got = memo::ReadMemoFile(piece);
    if (same) {
      qsizetype i = 0;
      while (i < got.size() && matched + i < shown.size() && got.at(i) == shown.at(matched + i)) ++i;
      if (i == got.size()) {
        matched += i;
        return;
      }
      same = false;
      differing = shown.first(matched);
    }
    differing += std::move(got);
  }, error);
  if (!read) {
    lines.clear();
    return false;
  }
  lines = !same ? std::move(differing) : matched == shown.size() ? shown : shown.first(matched);
  return true;
}
}  // namespace

void MemoWindow::Form_Activate() {
  ApplyMemoSettings();
  // Another copy of the program may have written the file meanwhile. The
  // index follows quietly; a file that cannot be read now is left to the
  // next button, which says so, rather than a message on every activation.
  if (!QFileInfo::exists(MemoFileLocalPath())) return;
  QStringList lines;
  if (ReadMemoFileLinesOnce(MemoFileLocalPath(), ShownFileLines, lines, nullptr) && lines != ShownFileLines)
    takeChangedFile(lines);
}

QString MemoWindow::MemoFileLocalPath() const { return todo::LocalPath(MemoFilePath); }

bool MemoWindow::readMemoLines(QStringList& lines) const {
  QString error;
  const QString path = MemoFileLocalPath();
  if (ReadMemoFileLinesOnce(path, ShownFileLines, lines, &error)) return true;
  platform::ReportProblem({platform::Problem::ReadFailed, path, error});
  return false;
}

bool MemoWindow::LoadMemoIndex() {
  QStringList lines;
  const bool read = readMemoLines(lines);
  fillIndex(lines);
  return read;
}

void MemoWindow::fillIndex(const QStringList& lines) {
  ShownFileLines = lines;
  setWindowTitle(QStringLiteral("メモ帳 - ") + MemoFilePath);
  List1->setUpdatesEnabled(false);
  QStringList texts;
  QList<int> starts;
  for (const memo::MemoIndexItem& item : memo::BuildMemoIndex(lines)) {
    texts << item.text;
    starts << item.StartLine;
  }
  List1->setEntries(texts, starts);
  List1->setCurrentRow(-1);
  List1->setUpdatesEnabled(true);
}

void MemoWindow::ApplyMemoSettings() {
  {
    // A size the list lacks leaves its selection as it was.
    const QSignalBlocker quiet(cmb_size);
    for (int i = 0; i < cmb_size->count(); ++i)
      if (cmb_size->itemText(i).trimmed().toDouble() == PaperSettings.DataFontSize) {
        cmb_size->setCurrentIndex(i);
        break;
      }
  }
  CalcMemoLineMetrics(Chk_yoko->isChecked() ? 1 : 0);
  cmd_seikei->setText(QString::number(CharsPerLine) + QStringLiteral("字で整形"));
  Lbl_gyosu->setText(QString::number(LinesPerPage) + QStringLiteral("行"));
  SetTextColour(Text1, PaperSettings.HeadColor);
  SetTextColour(Text2, PaperSettings.DataColor);
  // A tab advances TabStop average character widths.
  Text2->setTabStopDistance(PaperSettings.TabStop * QFontMetricsF(Text2->font()).averageCharWidth());
}

void MemoWindow::CalcMemoLineMetrics(int16_t landscape) {
  const MemoLineMetrics metrics = ::CalcMemoLineMetrics(landscape, PaperSettings);
  CharsPerLine = metrics.CharsPerLine;
  LinesPerPage = metrics.LinesPerPage;
}

void MemoWindow::ShowCaretPosition() {
  const QTextCursor cursor = Text2->textCursor();
  const int p = cursor.selectionStart();
  const QTextBlock block = Text2->document()->findBlock(p);
  const int n = block.blockNumber();
  const int c = p - block.position();
  Lbl_gyosu->setText(QStringLiteral("%1/%2行 %3字").arg(n + 1).arg(LinesPerPage).arg(c + 1));
}

bool MemoWindow::MemoChangeTest() const {
  return TrimBlanks(Text1->text()) != TrimBlanks(ShownTitle) ||
         TrimBlanks(platform::NormaliseToCrLf(Text2->toPlainText())) != TrimBlanks(ShownBody);
}

// The memo has no write command of its own: its entries reach the file
// through the entry buttons, so the question is only whether to lose them.
void MemoWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, MemoChangeTest(), mode,
                         QStringLiteral("メモの内容が変更されています。このまま終了しますか？"), {}, cancel);
}

void MemoWindow::Chk_DataNo_Click() {
  WriteIniValue(kMemoSection, QStringLiteral("HIZUKE"), Chk_DataNo->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void MemoWindow::Chk_yoko_Click() { ApplyMemoSettings(); }

// The size is the body font of every window, not of the memo alone.
void MemoWindow::Cmb_size_Click() {
  bool ok = false;
  const double size = cmb_size->currentText().trimmed().toDouble(&ok);
  if (ok && size > 0) PaperSettings.DataFontSize = static_cast<float>(size);
  ApplyMemoSettings();
}

void MemoWindow::List1_DblClick() { cmd_update_click(0); }

void MemoWindow::List1_KeyDown(int16_t& KeyCode, int16_t Shift) {
  if (KeyCode != kKeyEnter) return;
  cmd_update_click(0);
  List1->setFocus();
}

void MemoWindow::Text2_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == kCtrlA) {
    Text2->selectAll();
    return;
  }
  ReflowUndoText.clear();
  Cmd_undo->setEnabled(false);
}

void MemoWindow::Text2_KeyUp() { ShowCaretPosition(); }

void MemoWindow::txt_file_Change() {
  const QString typed = txt_file->text();
  MemoFilePath = TrimBlanks(typed).isEmpty() ? GetIniValue(kMemoSection, QStringLiteral("FILE")) : typed;
  ShownEntryIndex = -1;
  LoadMemoIndex();
  if (List1->count() > 0) {
    List1->setCurrentRow(0);
    cmd_update_click(0);
  }
}

bool MemoWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == List1 && event->type() == QEvent::KeyPress) {
    int16_t code = KeyDownCode(static_cast<QKeyEvent*>(event));
    List1_KeyDown(code, ShiftState(static_cast<QKeyEvent*>(event)));
  } else if (watched == Text2 && event->type() == QEvent::KeyPress) {
    int16_t ascii = KeyPressCode(static_cast<QKeyEvent*>(event));
    if (ascii == kCtrlA) {
      Text2_KeyPress(ascii);
      return true;
    }
    if (ascii != 0) Text2_KeyPress(ascii);
  } else if (watched == Text2 && event->type() == QEvent::KeyRelease) {
    Text2_KeyUp();
  }
  return PageWindow::eventFilter(watched, event);
}
