#pragma once
// The preview window: made hidden when the first preview asks for it, then
// kept for the run and shown modally for each finished preview page. Its
// page picture shows the preview surface.
#include <QDialog>
#include <QSizeF>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class PreviewPage;

class PreviewWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PreviewWindow(QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // The window made last; made on first use when there is none.
  static PreviewWindow& Instance();

  QWidget* Pic2;
  PreviewPage* Pic1;
  QScrollBar* VScroll1;
  QScrollBar* HScroll1;
  QFrame* Shape1;
  std::array<QFrame*, 2> Shape2{};
  QCheckBox* Chk_waku;
  QPushButton* Cmd_ok;
  QPushButton* cmd_end;
  QLabel* pic_onepoint;
  QLabel* Picture1;

  void Form_Load();
  void Form_Activate();
  void Chk_waku_Click();
  void Cmd_ok_Click();
  void cmd_end_Click();
  void HScroll1_Change();
  void VScroll1_Change();
  void ShowOutlineGuide(int flag);

  // Millimetres of the screen to pixels.
  int mmToPx(double mm) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void fitPicture();
  void fitToScreen();
  void placeMm(QWidget* widget, double x, double y, double w, double h);
  double pxPerMm_;
  QSizeF guideSize_;
};
