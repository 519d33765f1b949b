#pragma once
// The photo window: one picture on an organiser page, with a title and a text.
#include <QImage>

#include "PhotoPage.h"
#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct PhotoSidecar;

class PhotoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit PhotoWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  void Form_Activate() override;
  // Asks before a picture, title or text that was not saved is lost.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;
  // True when a picture is shown and it, its title, its text or its stored
  // options differ from what was last loaded or saved.
  bool PhotoChanged() const;

  void Cmb_size_Click();
  void Cmb_type_Click();
  void Cmd_FileRead_Click();
  void Cmd_Fileimport_Click();
  void Cmd_FileWrite_Click();
  void Cmd_kaiten_Click();
  void Command1_click();
  void Cmd_help_Click();
  void Cmd_print_Click();
  void ScalePhotoPreview();

  // What the page would be printed with now.
  PhotoPageOptions ReadOptions() const;
  // Reads a picture (and its sidecar) as the open dialog would after a choice.
  bool LoadPhotoFile(const QString& path);

  QComboBox* Cmb_size = nullptr;
  QComboBox* Cmb_Type = nullptr;
  QComboBox* cmb_bairitu = nullptr;
  QComboBox* cmb_ichi = nullptr;
  QCheckBox* Chk_picnomi = nullptr;
  QCheckBox* chk_kazari = nullptr;
  QCheckBox* chk_color = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* txt_title = nullptr;
  QLabel* lbl_setumei = nullptr;
  QPlainTextEdit* txt_data = nullptr;
  QLabel* Picture1 = nullptr;  // the preview box

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_kaiten = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;

  QString CurrentPicturePath;
  // The picture as loaded, turned or pasted: what saving writes.
  QImage SavedPicture;
  // What printing and the preview use: the saved picture, or it stretched
  // to the page body's proportions.
  QImage PrintedPicture;
  // Whether 用紙いっぱいに is in force: a turned picture is stretched again.
  bool Stretched = false;

 private:
  void applySidecar(const PhotoSidecar& sidecar);
  void setPicture(const QImage& picture, bool stretched = false);
  // The save command; true when the picture was written.
  bool writePhoto();
  // What saving keeps of the window now; a new picture counts by its number.
  QStringList photoNow() const;
  int pictureNumber_ = 0;
  QStringList savedPhoto_;
};
