#pragma once
// The Gantt chart window: tasks with planned and actual dates over a time
// span, kept in one chart file at a time and printed on the organiser page.
#include <QDate>
#include <QString>

#include "GanttColumns.h"
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
  void cmb_title_click();
  void cmb_sort_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_help_Click();
  void Cmd_print_Click();
  void LoadGanttFile();

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
  // The text of a multi-line box with CR LF line ends.
  static QString BoxText(const QPlainTextEdit* box);
};
