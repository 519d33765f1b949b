// The memo window's controls, their places and their connections.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "LineItemList.h"
#include "MemoWindow.h"
#include "core/ui/FormHelpers.h"

MemoWindow::MemoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("メモ帳"));
  buildControls();
  connectHandlers();
}

void MemoWindow::buildControls() {
  Text1 = WithObjectName(new QLineEdit(this), "Text1");
  Text1->setMaxLength(40);
  Text2 = WithObjectName(new QPlainTextEdit(this), "Text2");
  Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
  Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  List1 = WithObjectName(new LineItemList(this), "List1");
  List1->setUniformItemSizes(true);
  const char* captions[] = {"読込", "追加", "更新", "削除", "ｸﾘｱ", "↑", "↓"};
  for (int i = 0; i < 7; ++i) {
    Cmd_Update[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
    Cmd_Update[i]->setObjectName(QStringLiteral("Cmd_Update_%1").arg(i));
  }
  Cmd_Update[0]->hide();
  cmd_seikei = WithObjectName(new QPushButton(this), "cmd_seikei");
  Cmd_undo = WithObjectName(new QPushButton(QStringLiteral("整形戻し"), this), "Cmd_undo");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  Cmb_men = WithObjectName(new QComboBox(this), "Cmb_men");
  cmb_size = WithObjectName(new QComboBox(this), "cmb_size");
  txt_start = WithObjectName(new QLineEdit(QStringLiteral("1"), this), "txt_start");
  txt_start->setMaxLength(3);
  txt_start->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  Chk_Auto = WithObjectName(new QCheckBox(QStringLiteral("整形"), this), "Chk_Auto");
  Chk_Auto->setChecked(true);
  Chk_page = WithObjectName(new QCheckBox(QStringLiteral("頁"), this), "Chk_page");
  Chk_DataNo = WithObjectName(new QCheckBox(QStringLiteral("日付"), this), "Chk_DataNo");
  Chk_yoko = WithObjectName(new QCheckBox(QStringLiteral("横向"), this), "Chk_yoko");
  Lbl_gyosu = WithObjectName(new QLabel(QStringLiteral("行"), this), "Lbl_gyosu");
  txt_file = WithObjectName(new QLineEdit(this), "txt_file");
  txt_file->hide();
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileSearch = NewCommandButton("Cmd_FileSearch");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");

  auto* editor = new QVBoxLayout;
  auto* titleRow = new QHBoxLayout;
  titleRow->addWidget(new QLabel(QStringLiteral("題"), this));
  titleRow->addWidget(Text1, 1);
  editor->addLayout(titleRow);
  editor->addWidget(Text2, 1);
  auto* buttons = new QHBoxLayout;
  for (int i = 1; i < 7; ++i) buttons->addWidget(Cmd_Update[i]);
  editor->addLayout(buttons);

  auto* side = new QVBoxLayout;
  side->addWidget(List1, 1);
  auto* tools = new QGridLayout;
  tools->addWidget(cmd_seikei, 0, 0, 1, 2);
  tools->addWidget(Cmd_undo, 0, 2, 1, 2);
  tools->addWidget(new QLabel(QStringLiteral("ｻｲｽﾞ"), this), 1, 0);
  tools->addWidget(cmb_size, 1, 1);
  tools->addWidget(new QLabel(QStringLiteral("開始頁"), this), 1, 2);
  tools->addWidget(txt_start, 1, 3);
  tools->addWidget(Cmb_men, 2, 0, 1, 4);
  auto* checks = new QHBoxLayout;
  for (QCheckBox* box : {Chk_Auto, Chk_page, Chk_DataNo, Chk_yoko}) checks->addWidget(box);
  tools->addLayout(checks, 3, 0, 1, 4);
  tools->addWidget(Lbl_gyosu, 4, 0, 1, 2);
  tools->addWidget(Cmd_print, 4, 2, 1, 2);
  side->addLayout(tools);

  auto* whole = new QHBoxLayout(this);
  whole->addLayout(editor, 3);
  whole->addLayout(side, 2);
}

void MemoWindow::connectHandlers() {
  for (int i = 0; i < 7; ++i)
    connect(Cmd_Update[i], &QPushButton::clicked, this, [this, i] { cmd_update_click(i); });
  connect(cmd_FileNew, &QPushButton::clicked, this, [this] { cmd_FileNew_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
  connect(cmd_seikei, &QPushButton::clicked, this, [this] { cmd_seikei_Click(); });
  connect(Cmd_undo, &QPushButton::clicked, this, [this] { Cmd_undo_Click(); });
  connect(Cmd_FileSearch, &QPushButton::clicked, this, [this] { Cmd_FileSearch_Click(); });
  connect(Cmd_help, &QPushButton::clicked, this, [this] { Cmd_help_Click(); });
  connect(Chk_DataNo, &QCheckBox::toggled, this, [this] { Chk_DataNo_Click(); });
  connect(Chk_yoko, &QCheckBox::toggled, this, [this] { Chk_yoko_Click(); });
  connect(cmb_size, &QComboBox::currentIndexChanged, this, [this] { Cmb_size_Click(); });
  connect(List1, &QAbstractItemView::doubleClicked, this, [this] { List1_DblClick(); });
  connect(txt_file, &QLineEdit::textChanged, this, [this] { txt_file_Change(); });
  List1->installEventFilter(this);
  Text2->installEventFilter(this);
}
