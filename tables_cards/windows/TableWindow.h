#pragma once
// The table window: a CSV table with its options, printed as a table page.
// The options page and the content page share one place and a tab bar
// switches between them; the controls hold every option, a table file keeps
// them.
#include <array>

#include "TableOptions.h"
#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class TabBar;

// The message box text of the window's help button.
QString TableHelpText();

class TableWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TableWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Asks before a table that was not written is lost.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;
  // True when the table differs from what was last read or written, or
  // from what the window opened with.
  bool TableChanged() const;

  // A template chosen over a table that was not written asks first, as
  // reading a file does; declined, the table and the list stay as they were.
  void Cmb_type_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_help_Click();
  void Cmd_print_Click();
  void Picture3_MouseDown(int Button, int Shift, int X, int Y);
  void chk_midasiAmi_Click();
  void chk_tensen_Click();
  void cmb_amikake_col_Click();

  // The controls' state as options, and back.
  TableOptions Options() const;
  void ShowOptions(const TableOptions& options);

  QString TableFilePath;
  bool TemplateApplying = false;

  QCheckBox* Chk_yoko = nullptr;
  TabBar* Picture3 = nullptr;
  std::array<QWidget*, 2> Picture1{};
  QComboBox* Cmb_men = nullptr;
  QPushButton* Cmd_print = nullptr;

  // Options page.
  QListWidget* cmb_type = nullptr;
  QComboBox* Cmb_retu = nullptr;
  QComboBox* Cmb_gyou = nullptr;
  QComboBox* cmb_coln = nullptr;
  QComboBox* cmb_keisen_yoko = nullptr;
  std::array<QComboBox*, 1> cmb_size{};
  QComboBox* cmb_amikake_col = nullptr;
  QCheckBox* chk_notitle = nullptr;
  QCheckBox* Chk_midasi = nullptr;
  QCheckBox* chk_midasiAmi = nullptr;
  QCheckBox* Chk_keisen = nullptr;
  QCheckBox* chk_amikake = nullptr;
  QCheckBox* chk_waku_hosome = nullptr;
  QCheckBox* chk_tensen = nullptr;
  QCheckBox* chk_biko2 = nullptr;
  QCheckBox* chk_date = nullptr;
  QCheckBox* Chk_Page = nullptr;
  QFrame* Shape_sample = nullptr;
  QFrame* Shap_amikake_yoko = nullptr;
  QFrame* Shap_amikake_tate = nullptr;
  std::array<QFrame*, 2> Line_yokokei{};

  // Content page.
  QLineEdit* Txt_Title = nullptr;
  QLineEdit* Txt_MidasiRetu = nullptr;
  std::array<QComboBox*, 9> Cmb_retu_haba{};
  QPlainTextEdit* Txt_Data = nullptr;
  QPlainTextEdit* Txt_biko = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;

 private:
  void BuildOptionsPage();
  void BuildContentPage();
  void FillLists();
  // The write command; true when the file was written.
  bool writeTable();
  // The table as last read or written (or at load).
  TableOptions savedTable_;
  // True when the table differs from it in what a template sets: the
  // options no template sets stay, so a change of them alone loses nothing.
  bool templateReplacesWork() const;
  // The template list's row the table was last shown from; -1 before the
  // window's first template.
  int shownTemplate_ = -1;
};
