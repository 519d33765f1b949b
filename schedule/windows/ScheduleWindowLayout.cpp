// The schedule window's controls, their places and their connections.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScheduleWindow.h"
#include "ScheduleWindowCheckBoxes.h"
#include "core/print/FontMapping.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/TabBar.h"

namespace {

// The window, its panels and its check boxes.
const QColor kLightGreen(0xC0, 0xFF, 0xC0);

// Check boxes per row on the print-option panel.
constexpr int kOptionColumns = 4;

QComboBox* NewList(QWidget* parent, const char* name, bool editable = false) {
  auto* list = WithObjectName(new QComboBox(parent), QString::fromLatin1(name));
  list->setEditable(editable);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

QFrame* NewLine(QWidget* parent, const char* name) {
  auto* line = WithObjectName(new QFrame(parent), QString::fromLatin1(name));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

// A button's background is drawn in its button colour, other widgets' in
// their window colour.
void PaintBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

void ScheduleWindow::buildControls() {
  for (const CheckBoxControl& c : ScheduleCheckBoxes())
    c.box(*this) = WithObjectName(new QCheckBox(QString::fromUtf8(c.caption), this), QString::fromLatin1(c.name));

  Cmd_FileSearch = NewCommandButton("Cmd_FileSearch");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  cmd_toclip = NewCommandButton("cmd_toclip", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ設定"));

  Cmb_Type = WithObjectName(new QListWidget(this), QStringLiteral("Cmb_Type"));
  Cmb_Type->setSelectionMode(QAbstractItemView::SingleSelection);
  Cmb_men = NewList(this, "Cmb_men");
  Txt_maisu = WithObjectName(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("Txt_maisu"));
  Txt_maisu->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
  Txt_maisu->setProperty(kImeModeProperty, 8);
  lbl_mai = WithObjectName(new QLabel(QStringLiteral("枚"), this), QStringLiteral("lbl_mai"));
  Picture1 = WithObjectName(new QLabel(this), QStringLiteral("Picture1"));
  Picture3 = WithObjectName(new TabBar(this), QStringLiteral("Picture3"));
  Picture3->setFillColor(kLightGreen);

  auto* side = new QVBoxLayout;
  side->addWidget(Cmb_Type);
  side->addWidget(Cmb_men);
  auto* printRow = new QHBoxLayout;
  printRow->addWidget(Txt_maisu);
  printRow->addWidget(lbl_mai);
  printRow->addWidget(Cmd_print);
  printRow->addStretch();
  side->addLayout(printRow);
  side->addWidget(Picture1);
  side->addStretch();

  Picture2[0] = buildEntryPanel();
  Picture2[1] = buildOptionPanel();
  Picture2[1]->hide();
  // Both panels in one cell: the tab bar shows one of them at a time.
  auto* panels = new QGridLayout;
  panels->setContentsMargins(0, 0, 0, 0);
  panels->addWidget(Picture2[0], 0, 0);
  panels->addWidget(Picture2[1], 0, 0);
  auto* main = new QVBoxLayout;
  main->setSpacing(0);
  main->addWidget(Picture3);
  main->addLayout(panels, 1);

  auto* window = new QHBoxLayout(this);
  window->addLayout(side);
  window->addLayout(main, 1);
  connectHandlers();
}

QWidget* ScheduleWindow::buildEntryPanel() {
  auto* panel = WithObjectName(new QWidget(this), QStringLiteral("Picture2_0"));
  Cmb_Nen = NewList(panel, "Cmb_Nen");
  Cmb_Tuki = NewList(panel, "Cmb_Tuki");
  Cmb_Hi = NewList(panel, "Cmb_Hi");
  Label1[0] = WithObjectName(new QLabel(QStringLiteral("/"), panel), QStringLiteral("Label1_0"));
  lbl_hi = WithObjectName(new QLabel(QStringLiteral("/"), panel), QStringLiteral("lbl_hi"));
  Cmd_Today = WithObjectName(new QPushButton(QStringLiteral("Today"), panel), QStringLiteral("Cmd_Today"));
  cmd_bear = WithObjectName(new QPushButton(QStringLiteral("ｶﾚﾝﾀﾞｰ"), panel), QStringLiteral("cmd_bear"));
  Cmb_yasumi = NewList(panel, "Cmb_yasumi");
  Cmb_naiyou = NewList(panel, "Cmb_naiyou", true);
  Cmb_naiyou->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  Cmb_naiyou->setInsertPolicy(QComboBox::NoInsert);
  lbl_naiyou = WithObjectName(new QLabel(QStringLiteral("内容"), panel), QStringLiteral("lbl_naiyou"));
  const char* const captions[] = {"表示", "追加", "更新", "削除"};
  for (int i = 0; i < 4; ++i)
    Cmd_Update[i] = WithObjectName(new QPushButton(QString::fromUtf8(captions[i]), panel),
                          QStringLiteral("Cmd_Update_%1").arg(i));
  List1 = WithObjectName(new QListWidget(panel), QStringLiteral("List1"));
  // Rows line up in columns only in a fixed-pitch face.
  List1->setFont(MakeSurfaceFont(QStringLiteral("ＭＳ ゴシック"), font().pointSizeF(), false));

  auto* dateRow = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Cmb_Nen, Label1[0], Cmb_Tuki, lbl_hi, Cmb_Hi, Cmd_Today,
                                                   cmd_bear, Chk_dispday})
    dateRow->addWidget(w);
  dateRow->addStretch();
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(Cmb_yasumi);
  textRow->addWidget(lbl_naiyou);
  textRow->addWidget(Cmb_naiyou, 1);
  auto* buttonRow = new QHBoxLayout;
  for (QPushButton* b : Cmd_Update) buttonRow->addWidget(b);
  buttonRow->addStretch();
  buttonRow->addWidget(cmd_toclip);

  auto* column = new QVBoxLayout(panel);
  column->addLayout(dateRow);
  column->addLayout(textRow);
  column->addLayout(buttonRow);
  column->addWidget(List1);
  column->addStretch();
  return panel;
}

QWidget* ScheduleWindow::buildOptionPanel() {
  auto* panel = WithObjectName(new QWidget(this), QStringLiteral("Picture2_1"));
  auto* grid = new QGridLayout;
  int at = 0;
  for (const CheckBoxControl& c : ScheduleCheckBoxes()) {
    if (c.panel != 1 || !c.key) continue;
    grid->addWidget(c.box(*this), at / kOptionColumns, at % kOptionColumns);
    ++at;
  }

  cmb_memori2 = NewList(panel, "cmb_memori2");
  cmb_kirisute = NewList(panel, "cmb_kirisute");
  cmb_tatekei = NewList(panel, "cmb_tatekei");
  cmb_5nen = NewList(panel, "cmb_5nen");
  cmb_week = NewList(panel, "cmb_week");
  Cmb_design = NewList(panel, "Cmb_design");
  txt_midasi = WithObjectName(new QLineEdit(panel), QStringLiteral("txt_midasi"));
  txt_midasi->setProperty(kImeModeProperty, 4);
  Label2 = WithObjectName(new QLabel(QStringLiteral("特殊オプション"), panel), QStringLiteral("Label2"));
  Line1 = NewLine(panel, "Line1");
  Line2 = NewLine(panel, "Line2");

  auto* lists = new QGridLayout;
  const QList<QWidget*> listOrder{cmb_memori2, cmb_kirisute, cmb_tatekei, cmb_week, cmb_5nen, Cmb_design};
  for (int i = 0; i < listOrder.size(); ++i) lists->addWidget(listOrder[i], i / 3, i % 3);

  auto* special = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{chk_tukikijyun, chk_6dan, Chk_retu}) special->addWidget(w);
  special->addWidget(txt_midasi, 1);

  auto* column = new QVBoxLayout(panel);
  column->addLayout(grid);
  column->addWidget(Line1);
  column->addLayout(lists);
  column->addWidget(Line2);
  column->addWidget(Label2);
  column->addLayout(special);
  column->addStretch();
  return panel;
}

void ScheduleWindow::connectHandlers() {
  for (const CheckBoxControl& c : ScheduleCheckBoxes()) {
    if (!c.handler) continue;
    auto handler = c.handler;
    connect(c.box(*this), &QCheckBox::toggled, this, [this, handler] { handler(*this); });
  }
  const auto onIndex = [this](QComboBox* list, void (ScheduleWindow::*handler)()) {
    connect(list, &QComboBox::currentIndexChanged, this, handler);
  };
  onIndex(Cmb_Nen, &ScheduleWindow::Cmb_Nen_Click);
  onIndex(Cmb_Tuki, &ScheduleWindow::Cmb_Tuki_Click);
  onIndex(Cmb_Hi, &ScheduleWindow::Cmb_Hi_Click);
  onIndex(cmb_memori2, &ScheduleWindow::cmb_memori2_Click);
  onIndex(cmb_kirisute, &ScheduleWindow::cmb_kirisute_Click);
  onIndex(cmb_tatekei, &ScheduleWindow::cmb_tatekei_Click);
  onIndex(cmb_5nen, &ScheduleWindow::cmb_5nen_Click);
  onIndex(cmb_week, &ScheduleWindow::cmb_week_Click);
  onIndex(Cmb_design, &ScheduleWindow::Cmb_design_Click);
  onIndex(Cmb_yasumi, &ScheduleWindow::Cmb_yasumi_Click);
  connect(Cmb_Type, &QListWidget::currentRowChanged, this, &ScheduleWindow::Cmb_type_Click);
  watchDesignListKeys();

  connect(Cmd_Today, &QPushButton::clicked, this, &ScheduleWindow::Cmd_Today_Click);
  connect(Cmd_print, &QPushButton::clicked, this, &ScheduleWindow::Cmd_print_Click);
  connect(cmd_toclip, &QPushButton::clicked, this, &ScheduleWindow::cmd_toclip_Click);
  connect(cmd_bear, &QPushButton::clicked, this, &ScheduleWindow::cmd_bear_Click);
  for (int i = 0; i < 4; ++i)
    connect(Cmd_Update[i], &QPushButton::clicked, this, [this, i] { cmd_update_click(i); });
  connect(List1, &QListWidget::itemDoubleClicked, this, &ScheduleWindow::List1_DblClick);
  connect(Picture3, &TabBar::MouseDown, this,
          [this](int button, int x, int y) { Picture3_MouseDown(button, 0, x, y); });

  SetUpFileCommands();

  List1->installEventFilter(this);
  Cmb_naiyou->installEventFilter(this);
  if (Cmb_naiyou->lineEdit()) Cmb_naiyou->lineEdit()->installEventFilter(this);
}

void ScheduleWindow::applyWindowColours() {
  PaintBackground(this, kLightGreen);
  for (QWidget* panel : Picture2) PaintBackground(panel, kLightGreen);
  for (const CheckBoxControl& c : ScheduleCheckBoxes()) PaintBackground(c.box(*this), kLightGreen);
}
