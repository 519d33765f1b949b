#pragma once
// The print dialog: print, preview or cancel, the printer to use, and whether
// to confirm paper changes (which also sends each page to the printer at once).
#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

class PrintDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PrintDialog(QWidget* parent = nullptr);

  // Shows the dialog modally over the active window; its controls leave the
  // answer in the print job.
  static void Run();

  QCheckBox* Chk_kakunin_msg;
  QComboBox* Combo1;
  std::array<QPushButton*, 3> cmd_run{};

  void Form_Load();
  void Form_Activate();
  void Chk_kakunin_msg_Click();
  void Combo1_Click();
  void cmd_run_Click(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int16_t listLoaded_ = 0;  // 1 once Form_Load filled the list: loading it chooses no printer
};
