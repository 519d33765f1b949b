#include "RuledPaperWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "DietCalculators.h"
#include "HealthSheet.h"
#include "LatticeSheet.h"
#include "RuledPaperDesigns.h"
#include "RuledPaperOptions.h"
#include "ToDoSheets.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/FormHelpers.h"

namespace {

const QString kHealthSection = QStringLiteral("DADADA");

bool FourFoldMode() { return PaperSettings.SuperOrganiserMode == 1; }

void FillList(QComboBox* list, const QStringList& items, int selected) {
  list->clear();
  list->addItems(items);
  list->setCurrentIndex(selected);
}

}  // namespace

RuledPaperWindow::RuledPaperWindow(QWidget* parent) : PageWindow(parent) {
  buildControls();
  connectHandlers();
}

void RuledPaperWindow::connectHandlers() {
  connect(Cmb_Type, &QListWidget::currentRowChanged, this, [this] { Cmb_type_Click(); });
  connect(cmb_kosi, &QComboBox::currentIndexChanged, this, [this] { cmb_kosi_Click(); });
  connect(cmb_image_iti, &QComboBox::currentIndexChanged, this, [this] { cmb_image_iti_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_GetClip, &QPushButton::clicked, this, [this] { Cmd_GetClip_Click(); });
  connect(File1, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
  connect(txt_genko_meyasu, &QLineEdit::textChanged, this, [this] { txt_genko_meyasu_Change(); });
  connect(Txt_monosasi, &QLineEdit::textChanged, this, [this] { Txt_monosasi_Change(); });
  connect(Txt_sincyo, &QLineEdit::textChanged, this, [this] { Txt_sincyo_Change(); });
  connect(txt_taijyu, &QLineEdit::textChanged, this, [this] { txt_taijyu_Change(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });

  // Each health switch keeps its own key, so the next sheet starts as this one ended.
  const std::pair<QCheckBox*, const char*> keys[] = {
      {chk_kenko_seikatu, "SEIKATU"},     {chk_kenko_hosuu, "HOSUU"},
      {Chk_kenko_taion_grapth, "TAION_G"}, {Chk_kenko_taijyu_grapth, "TAIJYU_G"},
      {Chk_kenko_cycle, "CYCLE"},         {Chk_kenko_taisibou, "TAISIBOU"},
      {Chk_kenko_ketuatu_grapth, "KETUATU_G"}, {Chk_kenko_kusuri, "KUSURI"},
      {Chk_kenko_ketuatu, "KETUATU"}};
  for (const auto& [box, key] : keys) {
    const QString name = QString::fromLatin1(key);
    connect(box, &QCheckBox::toggled, this, [name](bool on) {
      WriteIniValue(kHealthSection, name, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
  }
}

void RuledPaperWindow::Form_Load() {
  Cmb_Type->clear();
  Cmb_Type->addItems(RuledDesignCaptions());
  Cmb_Type->setCurrentRow(0);

  FillList(cmb_image_iti,
           {QStringLiteral("左上"), QStringLiteral("右上"), QStringLiteral("左下"), QStringLiteral("右下")}, 3);

  OnePointImagePath = DataFolder;
  File1Path = DataFolder;
  refreshFileList();

  QStringList sizes;
  for (int s = 1; s <= 10; ++s) sizes << QString::number(s) + QStringLiteral("mm間隔");
  sizes << QStringLiteral("15mm間隔");
  FillList(Cmb_Size, sizes, 2);

  QStringList pitches;
  for (double s = 4; s <= 10; s += 0.5) pitches << QString::number(s) + QStringLiteral("mm間隔");
  FillList(Cmb_GyouKanakaku, pitches, 5);

  for (QComboBox* list : cmb_bunruisen)
    FillList(list,
             {QStringLiteral("分類線なし"), QStringLiteral("分類線1本"), QStringLiteral("分類線2本"),
              QStringLiteral("分類線3本"), QStringLiteral("分類線4本")},
             0);

  // The key is written even when it holds nothing yet, as a first run leaves it.
  const QString ruler = GetIniValue(ExeName, QStringLiteral("MONOSASI"));
  if (Txt_monosasi->text() == ruler)
    Txt_monosasi_Change();
  else
    Txt_monosasi->setText(ruler);

  RuledPaperOptions o = ReadOptions();
  QDate unused;
  DrawHealthSheet(o, 0, 0, unused);
  WriteBackOptions(o);

  txt_genko_meyasu->setText(GetIniValue(ExeName, QStringLiteral("GENKOMEYASU")));
  if (txt_genko_meyasu->text().isEmpty()) txt_genko_meyasu->setText(QStringLiteral("12"));

  o = ReadOptions();
  DrawToDoSheet(o, 0, 0, 0);
  DrawLatticeSheet(o, 0, 0);
  WriteBackOptions(o);

  ApplyImeMode(this);
}

void RuledPaperWindow::Cmb_type_Click() {
  const bool fourFold = FourFoldMode();
  const int design = Cmb_Type->currentRow();
  const RuledDesignChoice choice = RuledDesignChoiceOf(design, fourFold);
  const QStringList base = BaseSideList(fourFold);
  Cmb_men->clear();
  Cmb_men->addItems(base);
  Cmb_men->setCurrentIndex(0);
  if (DesignApplying == 1) return;
  DesignApplying = 1;

  for (QGroupBox* frame : Frame1) frame->hide();
  Txt_Title->clear();
  chk_hizuke->hide();
  if (design >= 0 && design < kRuledDesignCount) {
    for (qsizetype i = base.size(); i < choice.sides.size(); ++i) Cmb_men->addItem(choice.sides.at(i));
    Cmb_men->setCurrentIndex(choice.selectedSide);
    if (choice.setTitle) Txt_Title->setText(choice.title);
    chk_hizuke->setVisible(choice.dateBoxShown);
    if (choice.frame >= 0) Frame1[choice.frame]->show();
  }
  DesignApplying = 0;
}

void RuledPaperWindow::cmb_kosi_Click() {
  switch (cmb_kosi->currentIndex()) {
    case 0:
    case 1: lbl_kosi_kadai->setText(QStringLiteral("質問")); break;
    case 2:
    case 3: lbl_kosi_kadai->setText(QStringLiteral("メリット")); break;
    case 4: lbl_kosi_kadai->setText(QStringLiteral("検討課題(格子の中心に)")); break;
    default: break;
  }
}

void RuledPaperWindow::txt_genko_meyasu_Change() {
  WriteIniValue(ExeName, QStringLiteral("GENKOMEYASU"), txt_genko_meyasu->text());
}

void RuledPaperWindow::Txt_monosasi_Change() {
  WriteIniValue(ExeName, QStringLiteral("MONOSASI"), Txt_monosasi->text());
}

void RuledPaperWindow::Txt_sincyo_Change() { Lbl_taiju->setText(StandardWeightText(Txt_sincyo->text())); }

void RuledPaperWindow::txt_taijyu_Change() {
  lbl_himan->setText(ObesityDegreeText(Txt_sincyo->text(), txt_taijyu->text()));
}

// The design list is chosen from, never typed into: letters would jump to a
// design by its first character and Delete has nothing to delete.
bool RuledPaperWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Cmb_Type && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) return true;
    if (!key->text().isEmpty() && key->text().at(0).isPrint()) return true;
  }
  return PageWindow::eventFilter(watched, event);
}
