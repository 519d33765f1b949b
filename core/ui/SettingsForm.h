#pragma once
// The settings form "用紙サイズ設定": organiser size, page geometry, fonts,
// colours and decorations. Choosing a size loads it into PaperSettings at
// once; "設定内容保管" copies the controls into PaperSettings, saves them and
// closes; closing by the frame writes nothing and puts PaperSettings back as
// they were when the form opened.
#include <QDialog>

#include "core/settings/PaperSettings.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class SettingsForm : public QDialog {
  Q_OBJECT
 public:
  // Builds the form over the main window (parent) and runs Form_Load.
  explicit SettingsForm(QWidget* parent = nullptr);

  QListWidget* Cmb_Yousi = nullptr;  // the size list, always open
  QLineEdit* Txt_x = nullptr;
  QLineEdit* txt_x_max = nullptr;
  QLineEdit* Txt_y_head = nullptr;
  QLineEdit* Txt_y_data = nullptr;
  QLineEdit* Txt_Yohaku = nullptr;
  QComboBox* Cmb_TitleType = nullptr;
  QComboBox* Cmb_Color[5] = {};
  QComboBox* Cmb_Font[4] = {};  // 1..3 used
  QComboBox* Cmb_size[4] = {};  // 1..3 used
  QComboBox* Cmb_linetype = nullptr;
  QComboBox* Cmb_Color_amikake = nullptr;
  QComboBox* cmb_daisi = nullptr;
  QComboBox* Cmb_daisi_Color = nullptr;
  QCheckBox* chk_hakusi = nullptr;
  QCheckBox* Chk_kiritori_color = nullptr;
  QCheckBox* Chk_foot_Down = nullptr;
  QCheckBox* chk_anaake = nullptr;
  QCheckBox* Chk_imekana = nullptr;
  QPushButton* Cmd_settei = nullptr;
  QLabel* Lbl_Head = nullptr;
  QLabel* Lbl_naiyo = nullptr;
  QLabel* Lbl_komidasi = nullptr;
  QLabel* Lbl_Data = nullptr;
  QFrame* Line_color = nullptr;
  QFrame* Line_head_color = nullptr;
  QGroupBox* Frame2 = nullptr;
  QFrame* Shape1 = nullptr;
  QFrame* Line1 = nullptr;
  QFrame* Line3 = nullptr;
  QFrame* Line4 = nullptr;
  QFrame* Line8 = nullptr;

  void Form_Load();
  void Form_Activate();
  void cmb_yousi_Click();
  // True when the key is discarded.
  bool Cmb_Yousi_KeyDown(int keyCode, int shift);
  bool Cmb_Yousi_KeyPress(const QString& text);
  void Cmb_Font_Click(int index);
  void Cmb_size_Click(int index);
  void Cmb_Color_Click(int index);
  void Cmb_Color_amikake_Click();
  void Cmd_settei_Click();
  void LoadPlannerSettingsToForm();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectHandlers();
  void placeOverMainWindow();
  void selectFont(int row, const QString& name);
  void selectFontSize(int row, float size);
  void selectBackingColour();
  void refreshSamples();
  QLabel* fontSample(int row) const;
  bool copyMeasurements();

  bool loading_ = false;
  bool activated_ = false;
  bool saved_ = false;
  PaperSettingsData openedWith_;  // PaperSettings when the form opened
};
