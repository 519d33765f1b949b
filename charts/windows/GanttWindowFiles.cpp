// Reading and writing the chart file.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "GanttFile.h"
#include "GanttWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/text/Numbers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/OverwriteQuestion.h"
#include "core/ui/UnsavedChanges.h"

namespace {
// Stored paths may hold "\" separators (settings written on Windows use
// them), and a relative one is relative to the program folder.
QString DiskPath(const QString& stored) {
  QString path = stored;
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (QFileInfo(path).isRelative()) path = ProgramFolder + path;
  return path;
}

QString FolderOf(const QString& path) {
  const QString p = DiskPath(path);
  return QFileInfo(p).absolutePath();
}

// A stored list index selects its item only when the list has one; a value
// that no writer of this file makes leaves the control as it is.
void SelectStored(QComboBox* list, const std::optional<double>& value) {
  if (!value) return;
  const double v = RoundHalfEven(*value);
  if (v >= 0 && v < list->count()) list->setCurrentIndex(static_cast<int>(v));
}

void CheckStored(QCheckBox* box, const std::optional<double>& value) {
  if (value && (*value == 0 || *value == 1)) box->setChecked(*value == 1);
}
}  // namespace

bool GanttWindow::readGanttContent(const QString& stored, GanttFileContent& content) {
  const QString path = DiskPath(stored);
  const QFileInfo info(path);
  if (!info.exists() || !info.isFile()) {
    platform::ShowMessage(QStringLiteral("ファイルが見つかりません\n\n") + stored, platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return false;
  }
  QByteArray bytes;
  if (!ReadDataFileWithinLimitOrReport(QDir::cleanPath(path), bytes, stored)) return false;
  content = ReadGanttFile(bytes);
  return true;
}

void GanttWindow::showGanttContent(const GanttFileContent& c) {
  // A file without a title line is titled by its path less ".csv".
  QString title = CurrentGanttFile;
  if (title.right(4).compare(QLatin1String(".CSV"), Qt::CaseInsensitive) == 0) title.chop(4);
  Cmb_title->setEditText(c.title ? *c.title : title);
  if (c.makeDate) txt_makedate->setText(*c.makeDate);
  if (c.name) txt_name->setText(*c.name);
  SelectStored(cmb_span, c.span);
  SelectStored(cmb_box, c.box);
  SelectStored(cmb_height, c.cellHeight);
  if (c.sort) {
    {
      const QSignalBlocker block(cmb_sort);
      SelectStored(cmb_sort, c.sort);
    }
    cmb_sort_Click();
  }
  CheckStored(chk_biko, c.biko);
  CheckStored(chk_jisseki, c.jisseki);
  CheckStored(chk_autocolor, c.autoColor);
  txt_data->setPlainText(c.data);
  txt_biko->setPlainText(c.remarks);
  savedChart_ = ChartData();
}

// The file is read whole before anything is shown: a file that is missing,
// too large or cannot be read leaves the chart on screen as it was.
bool GanttWindow::LoadGanttFile() {
  GanttFileContent content;
  if (!readGanttContent(CurrentGanttFile, content)) return false;
  showGanttContent(content);
  return true;
}

void GanttWindow::Cmd_FileRead_Click() {
  if (!MayReadOverChanges(this, ChartChanged(), QStringLiteral("ガントチャート"), [this] { return writeChart(); }))
    return;
  const QString chosen =
      ShowFileDialog(true, nullptr, FolderOf(CurrentGanttFile), QFileInfo(CurrentGanttFile).fileName(),
                     FileMenuCaption(FileItem::Read),
                     QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"), 1, QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  const QString stored = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  BeginBusy(this);
  GanttFileContent content;
  // Only a file that was read becomes the chart's file and the one the
  // next start opens.
  if (readGanttContent(stored, content)) {
    CurrentGanttFile = stored;
    SelectTitleIndex(0);
    showGanttContent(content);
    WriteIniValue(QString(), QStringLiteral("FILE"), CurrentGanttFile);
  }
  EndBusy(this);
}

GanttChartData GanttWindow::ChartData() const {
  GanttChartData chart;
  chart.title = Cmb_title->currentText();
  chart.makeDate = txt_makedate->text();
  chart.name = txt_name->text();
  chart.span = cmb_span->currentIndex();
  chart.box = cmb_box->currentIndex();
  chart.sort = cmb_sort->currentIndex();
  chart.biko = chk_biko->isChecked() ? 1 : 0;
  chart.jisseki = chk_jisseki->isChecked() ? 1 : 0;
  chart.autoColor = chk_autocolor->isChecked() ? 1 : 0;
  chart.cellHeight = cmb_height->currentIndex();
  chart.data = BoxText(txt_data);
  chart.remarks = BoxText(txt_biko);
  return chart;
}

bool GanttWindow::ChartChanged() const { return WriteGanttFile(ChartData()) != WriteGanttFile(savedChart_); }

void GanttWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, ChartChanged(), mode, WriteBeforeClosingQuestion(QStringLiteral("ガントチャート"), mode),
                         [this] { return writeChart(); }, cancel);
}

void GanttWindow::Cmd_FileWrite_Click() { writeChart(); }

bool GanttWindow::writeChart() {
  const QString chosen = ShowFileDialog(
      false, nullptr, FolderOf(CurrentGanttFile), CurrentGanttFile, FileMenuCaption(FileItem::Write),
      QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||"), 1,
      QStringLiteral("csv"));
  if (chosen.isEmpty()) return false;
  if (!OverwriteAgreed(chosen)) return false;
  const GanttChartData chart = ChartData();
  BeginBusy(this);
  const bool saved = WriteDocumentFile(chosen, GanttFileText(chart));
  if (saved) {
    savedChart_ = chart;
    const QFileInfo info(chosen);
    const QString folder = info.absolutePath() + QLatin1Char('/');
    WriteIniValue(QString(), QStringLiteral("FILE"), folder == ProgramFolder ? info.fileName() : chosen);
  }
  EndBusy(this);
  return saved;
}
