#pragma once
// The ruled-paper window: 22 paper designs, the option frame of the chosen
// one, the side list and the print button. The pages themselves are drawn by
// the drawers beside this file, from a snapshot of the controls.
#include <QImage>
#include <QString>
#include <array>

#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct RuledPaperOptions;

class RuledPaperWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit RuledPaperWindow(QWidget* parent = nullptr);

  void Form_Load() override;

  // Handlers, named as the controls they belong to.
  void Cmb_type_Click();
  void cmb_kosi_Click();
  void cmb_image_iti_Click();
  void Picture1_Resize();
  void Cmd_FileRead_Click();
  void Cmd_GetClip_Click();
  void File1_DblClick();
  void txt_genko_meyasu_Change();
  void Txt_monosasi_Change();
  void Txt_sincyo_Change();
  void txt_taijyu_Change();
  void Cmd_print_Click();

  // What the drawers read, taken from the controls; and the values a drawer
  // corrected or filled, put back into them.
  RuledPaperOptions ReadOptions() const;
  void WriteBackOptions(const RuledPaperOptions& o);

  // Always visible.
  QListWidget* Cmb_Type = nullptr;
  QComboBox* Cmb_men = nullptr;
  QLineEdit* Txt_Title = nullptr;
  QLineEdit* Txt_maisu = nullptr;
  QPushButton* Cmd_print = nullptr;
  QCheckBox* chk_hizuke = nullptr;
  std::array<QGroupBox*, 21> Frame1{};

  // ワンポイント
  QListWidget* File1 = nullptr;
  QComboBox* cmb_image_iti = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_GetClip = nullptr;
  QLabel* Picture1 = nullptr;
  QFrame* Shape3 = nullptr;
  // 方眼紙/ドット
  QCheckBox* chk_hougan_yaku = nullptr;
  QCheckBox* chk_hougan_tensen = nullptr;
  QComboBox* Cmb_Size = nullptr;
  // 横罫/縦罫
  QComboBox* Cmb_GyouKanakaku = nullptr;
  std::array<QComboBox*, 2> cmb_bunruisen{};
  QCheckBox* Chk_checkL = nullptr;
  QCheckBox* Chk_Tatekei = nullptr;
  // 五線紙
  QCheckBox* chk_5yoko = nullptr;
  QLineEdit* txt_5kankaku = nullptr;
  QLineEdit* Txt_5haba = nullptr;
  // 物差し
  QLineEdit* Txt_monosasi = nullptr;
  // 健康/ダイエット
  QCheckBox* chk_kenko_seikatu = nullptr;
  QCheckBox* chk_kenko_hosuu = nullptr;
  QCheckBox* Chk_kenko_taion_grapth = nullptr;
  QCheckBox* Chk_kenko_taijyu_grapth = nullptr;
  QCheckBox* Chk_kenko_cycle = nullptr;
  QCheckBox* Chk_kenko_taisibou = nullptr;
  QCheckBox* Chk_kenko_ketuatu_grapth = nullptr;
  QCheckBox* Chk_kenko_kusuri = nullptr;
  QCheckBox* Chk_kenko_ketuatu = nullptr;
  QLineEdit* txt_kenko_yyyymmdd = nullptr;
  QComboBox* Cmb_kenko = nullptr;
  QLineEdit* Txt_sincyo = nullptr;
  QLabel* Lbl_taiju = nullptr;
  QLineEdit* txt_taijyu = nullptr;
  QLabel* lbl_himan = nullptr;
  // 原稿用紙, 囲碁用紙, 将棋用紙
  std::array<QRadioButton*, 3> Opt_genko_type{};
  QLineEdit* txt_genko_meyasu = nullptr;
  std::array<QRadioButton*, 3> Opt_igo_masume{};
  QLineEdit* txt_syougi_title = nullptr;
  QPlainTextEdit* txt_syougi_biko = nullptr;
  // リスク分析, マス目(ナンプレ), ショップリスト, プロジェクト, 年齢早見表
  QLineEdit* txt_risk_yokokei = nullptr;
  QLineEdit* txt_keisen_honsu = nullptr;
  QLineEdit* txt_keisen_futoji = nullptr;
  QLineEdit* Txt_keisen_yohaku = nullptr;
  QLineEdit* txt_shop_gyou = nullptr;
  QCheckBox* Chk_pro_cost = nullptr;
  QCheckBox* Chk_pro_nouki = nullptr;
  QCheckBox* Chk_pro_mony = nullptr;
  QCheckBox* chk_pro_kokyaku = nullptr;
  QCheckBox* Chk_pro_caver = nullptr;
  QCheckBox* Chk_rainen = nullptr;
  // ToDo, ToDo横, 付箋貼付用紙
  QLineEdit* Txt_KmkSu = nullptr;
  QComboBox* Cmb_jikan = nullptr;
  QLineEdit* txt_todoYoko_item = nullptr;
  QLineEdit* txt_waku = nullptr;
  // 格子, 議事録
  QCheckBox* chk_kosi = nullptr;
  QLineEdit* txt_kosi = nullptr;
  QComboBox* cmb_kosi = nullptr;
  QLabel* lbl_kosi_kadai = nullptr;
  QCheckBox* chk_gijiroku_sirusi = nullptr;
  QLineEdit* txt_gijiroku_yokokei = nullptr;

  // The folder or file last chosen with the open dialog.
  QString OnePointImagePath;
  // 1 while Cmb_type_Click shows a design's frame.
  int16_t DesignApplying = 0;
  // The one-point picture as loaded (Picture1 shows it reduced).
  QImage OnePointPicture;
  // The folder File1 lists.
  QString File1Path;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectHandlers();
  void refreshFileList();
  void showPicture(const QImage& picture);
  // Loads a chosen file; false (after the message) when it is no picture.
  bool loadPictureFile(const QString& path);
};
