#pragma once
// The Gantt chart window: tasks with planned and actual dates over a time
// span, kept in one chart file at a time and printed on the organiser page.
#include <QDate>
#include <QString>

#include "GanttColumns.h"
#include "GanttFile.h"
#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class GanttWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit GanttWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Asks before a chart that was not written is lost.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;
  // A choice in the sample list over a chart that was not written asks
  // first, as reading a file does; declined, the chart and its title stay.
  void cmb_title_click();
  void cmb_sort_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_help_Click();
  void Cmd_print_Click();
  // Reads CurrentGanttFile into the controls; false, with the reason shown
  // and the chart left as it was, when it cannot be read.
  bool LoadGanttFile();
  // The chart as the controls hold it, as the file keeps it.
  GanttChartData ChartData() const;
  // True when the chart differs from what was last read or written, or
  // from what the window opened with.
  bool ChartChanged() const;

  QComboBox* Cmb_title = nullptr;
  QLineEdit* txt_name = nullptr;
  QLineEdit* txt_makedate = nullptr;
  QPlainTextEdit* txt_data = nullptr;
  QPlainTextEdit* txt_biko = nullptr;
  QComboBox* cmb_height = nullptr;
  QComboBox* cmb_sort = nullptr;
  QComboBox* cmb_level = nullptr;
  QComboBox* cmb_start = nullptr;
  QComboBox* cmb_span = nullptr;
  QComboBox* cmb_box = nullptr;
  QCheckBox* chk_sign = nullptr;
  QCheckBox* chk_biko = nullptr;
  QCheckBox* chk_autocolor = nullptr;
  QCheckBox* chk_syuryouyotei = nullptr;
  QCheckBox* chk_jisseki = nullptr;
  QComboBox* Cmb_men = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_print = nullptr;

  // The chart file: the chosen path, or one relative to the program folder.
  // It outlives the window, as the program's own module state did, so that
  // a reopened window keeps the file it had.
  static QString CurrentGanttFile;

  // Set on every print and read by the page drawer.
  int CellHeight = 3;
  float TitleBlockHeight = 0;
  int RemarkLineCount = 0;
  QDate PeriodStart;
  QDate PeriodEnd;
  GanttColumnMap Columns;

 private:
  void BuildLayout();
  void SelectTitleIndex(int index);
  // Acts on the sample list's choice without a question.
  void showTitleChoice();
  bool mayReplaceChart();
  bool readGanttContent(const QString& stored, GanttFileContent& content);
  void showGanttContent(const GanttFileContent& content);
  // The write command; true when the file was written.
  bool writeChart();
  // The chart as last read or written: what closing compares with.
  GanttChartData savedChart_;
  // The title and sample list position the chart was last shown with; a
  // choice in the list replaces the box's text before it is handled.
  QString shownTitle_;
  int shownTitleIndex_ = -1;
  // The text of a multi-line box with CR LF line ends.
  static QString BoxText(const QPlainTextEdit* box);
};
