#pragma once
// The tree chart window: items indented by level, drawn as boxes and lines.
#include <QString>
#include <array>

#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TreeWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TreeWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Asks before a chart that was not written is lost.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;
  // True when the chart differs from what was last read or written, or
  // from what the window opened with.
  bool TreeChanged() const;
  // A sample chosen, or the chart emptied, over a chart that was not
  // written asks first, as reading a file does; declined, nothing changes.
  void Cmb_type_Click();
  void cmd_FileNew_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_print_Click();

  // The text boxes hold CR LF line ends, as the file and the printer see them.
  QString ItemText() const;
  QString RemarkText() const;
  void SetItemText(const QString& text);
  void SetRemarkText(const QString& text);

  QLineEdit* Txt_Title = nullptr;
  QPlainTextEdit* txt_data = nullptr;
  QPlainTextEdit* txt_biko = nullptr;
  QListWidget* Cmb_Type = nullptr;
  QComboBox* cmb_box = nullptr;
  QComboBox* cmb_level = nullptr;
  QCheckBox* chk_kaisoColor = nullptr;
  QCheckBox* chk_lineHosome = nullptr;
  QComboBox* Cmb_men = nullptr;
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_print = nullptr;

  QString CurrentTreeFile;
  std::array<QString, 21> LevelColours;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void selectType(int index);
  // Shows the sample of the list's row (row 0 and any other: empty), as
  // the window's own work.
  void showType();
  void clearChart();
  // The sample list's row the chart was last shown from.
  int shownType_ = -1;
  // The write command; true when the file was written.
  bool writeTree();
  QByteArray currentTreeBytes() const;
  QByteArray savedTree_;
};
