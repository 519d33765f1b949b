// The to-do window's controls, their places and their connections.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "DragTagSource.h"
#include "LineItemList.h"
#include "TabStopDelegate.h"
#include "TagDropTarget.h"
#include "ToDoCalendarView.h"
#include "TodoWindow.h"
#include "core/print/FontMapping.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/ListControls.h"
#include "core/ui/Twips.h"

namespace {

// One tab stop, far enough right that the dates line up after the texts.
constexpr int kTabStopDialogUnits = 256;

// The calendar's size in twips: seven rows of a day number each.
constexpr double kCalendarWidth = 3360;
constexpr double kCalendarHeight = 2520;

// The small picture that stands for the text in the item box when it is
// dragged onto the calendar: a note with a pencil line.
QPixmap NotePicture() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
  p.setBrush(QColor(0xFF, 0xF4, 0xB0));
  p.drawRoundedRect(QRectF(4, 3, 22, 26), 3, 3);
  p.setPen(QPen(QColor(0x80, 0x80, 0xC0), 1.2));
  for (int y = 10; y <= 22; y += 6) p.drawLine(8, y, 22, y);
  p.setPen(QPen(QColor(0xC0, 0x40, 0x30), 3));
  p.drawLine(QPointF(28, 6), QPointF(18, 20));
  return picture;
}

// What a dragged list entry looks like under the pointer: two short lines.
QPixmap ListEntryPicture() {
  QPixmap picture(28, 18);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(0, 0, 27, 17);
  p.drawLine(4, 6, 23, 6);
  p.drawLine(4, 11, 18, 11);
  return picture;
}

}  // namespace

TodoWindow::TodoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("Action (Todo)"));
  buildControls();
  connectHandlers();
}

void TodoWindow::buildControls() {
  List2 = WithObjectName(new LineItemList(this), "List2");
  List2->setSelectionMode(QAbstractItemView::ExtendedSelection);
  List2->setUniformItemSizes(true);
  List2->setItemDelegate(new TabStopDelegate(kTabStopDialogUnits, List2));
  Txt_ToDoItem = WithObjectName(new QLineEdit(this), "Txt_ToDoItem");
  txt_start = WithObjectName(new QLineEdit(this), "txt_start");
  const char* captions[] = {"表示", "追加", "更新", "削除", "↑", "↓", "済", "←", "→", "重要度"};
  for (int i = 0; i < 10; ++i) {
    Cmd_Update[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
    Cmd_Update[i]->setObjectName(QStringLiteral("Cmd_Update_%1").arg(i));
  }
  cmb_sort = WithObjectName(new QComboBox(this), "cmb_sort");
  Cmb_file = WithObjectName(new CharacterWidthCombo(16, this), "Cmb_file");
  Cmb_file->setEnabled(false);
  Cmb_jikan = WithObjectName(new QComboBox(this), "Cmb_jikan");
  Txt_KmkSu = WithObjectName(new QLineEdit(this), "Txt_KmkSu");
  Txt_KmkSu->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  Cmb_men = WithObjectName(new QComboBox(this), "Cmb_men");
  Chk_ListDay = WithObjectName(new QCheckBox(QStringLiteral("当日"), this), "Chk_ListDay");
  Chk_sumi = WithObjectName(new QCheckBox(QStringLiteral("済"), this), "Chk_sumi");
  Chk_naiyo = WithObjectName(new QCheckBox(QStringLiteral("内容"), this), "Chk_naiyo");
  Chk_bunrui = WithObjectName(new QCheckBox(QStringLiteral("階層別"), this), "Chk_bunrui");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  Pic1 = WithObjectName(new ToDoCalendarView(this), "Pic1");
  Pic1->setFixedSize(TwipsToPixelsX(kCalendarWidth), TwipsToPixelsY(kCalendarHeight));
  const char* moves[] = {"▲", "今日", "▼", "▲▲", "▼▼"};
  for (int i = 0; i < 5; ++i) {
    Cmd_mm[i] = new QPushButton(QString::fromUtf8(moves[i]), this);
    Cmd_mm[i]->setObjectName(QStringLiteral("Cmd_mm_%1").arg(i));
    Cmd_mm[i]->setAutoDefault(false);
    QFont gothic = Cmd_mm[i]->font();
    gothic.setFamily(MapFontFamily(i == 1 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("@ＭＳ ゴシック")));
    Cmd_mm[i]->setFont(gothic);
  }
  lbl_calendar = WithObjectName(new QLabel(this), "lbl_calendar");
  List1 = WithObjectName(new QListWidget(this), "List1");
  List1->setUniformItemSizes(true);
  cmd_mail = WithObjectName(new QPushButton(QStringLiteral("ﾒｰﾙ"), this), "cmd_mail");
  Img_jx = WithObjectName(new QLabel(this), "Img_jx");
  const QPixmap note = NotePicture();  // drawn once: the label and its drag show the same
  Img_jx->setPixmap(note);
  Img_jx->setToolTip(QStringLiteral("カレンダーにドラッグすると予定に書き込みます"));

  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_help = NewCommandButton("Cmd_help");

  new DragTagSource(List2->viewport(), QStringLiteral("LIST2"), ListEntryPicture(), this);
  new DragTagSource(Img_jx, QStringLiteral("IMAGE_JX"), note, this);

  auto* items = new QVBoxLayout;
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(Cmb_file, 1);
  fileRow->addWidget(cmb_sort);
  items->addLayout(fileRow);
  items->addWidget(List2, 1);
  auto* editRow = new QHBoxLayout;
  editRow->addWidget(Img_jx);
  editRow->addWidget(Txt_ToDoItem, 1);
  editRow->addWidget(txt_start);
  items->addLayout(editRow);
  auto* buttons = new QGridLayout;
  for (int i = 0; i < 10; ++i) buttons->addWidget(Cmd_Update[i], i / 5, i % 5);
  items->addLayout(buttons);

  auto* side = new QVBoxLayout;
  side->addWidget(lbl_calendar);
  // The day buttons stand beside the calendar, earlier days above.
  auto* calendarRow = new QHBoxLayout;
  calendarRow->addWidget(Pic1);
  auto* moveColumn = new QVBoxLayout;
  for (int i : {3, 0, 1, 2, 4}) moveColumn->addWidget(Cmd_mm[i]);
  moveColumn->addStretch();
  calendarRow->addLayout(moveColumn);
  calendarRow->addStretch();
  side->addLayout(calendarRow);
  auto* dayRow = new QHBoxLayout;
  dayRow->addWidget(Chk_ListDay);
  dayRow->addStretch();
  dayRow->addWidget(cmd_mail);
  side->addLayout(dayRow);
  side->addWidget(List1);
  auto* printOptions = new QGridLayout;
  printOptions->addWidget(new QLabel(QStringLiteral("目盛"), this), 0, 0);
  printOptions->addWidget(Cmb_jikan, 0, 1);
  printOptions->addWidget(new QLabel(QStringLiteral("行数"), this), 0, 2);
  printOptions->addWidget(Txt_KmkSu, 0, 3);
  printOptions->addWidget(Cmb_men, 1, 0, 1, 2);
  auto* checks = new QHBoxLayout;
  checks->addWidget(Chk_sumi);
  checks->addWidget(Chk_naiyo);
  checks->addWidget(Chk_bunrui);
  printOptions->addLayout(checks, 1, 2, 1, 2);
  side->addLayout(printOptions);
  side->addWidget(Cmd_print);
  side->addStretch();

  auto* whole = new QHBoxLayout(this);
  whole->addLayout(items, 3);
  whole->addLayout(side, 2);
}

void TodoWindow::connectHandlers() {
  for (int i = 0; i < 10; ++i)
    connect(Cmd_Update[i], &QPushButton::clicked, this, [this, i] { cmd_update_click(i); });
  connect(cmb_sort, &QComboBox::currentIndexChanged, this, [this] { cmb_sort_Click(); });
  connect(Cmb_file, &QComboBox::currentIndexChanged, this, [this] { Cmb_file_Click(); });
  connect(Cmb_jikan, &QComboBox::currentIndexChanged, this, [this] { Cmb_jikan_Click(); });
  connect(Chk_ListDay, &QCheckBox::toggled, this, [this] { Chk_ListDay_Click(); });
  connect(Txt_KmkSu, &QLineEdit::textChanged, this, [this] { Txt_KmkSu_Change(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
  connect(List2, &QAbstractItemView::doubleClicked, this, [this] { List2_DblClick(); });
  List2->installEventFilter(this);
  Txt_ToDoItem->installEventFilter(this);
  // Enter in the item's text or date adds the item, as the add button beside
  // them does (nothing while that button is off).
  for (QLineEdit* field : {Txt_ToDoItem, txt_start})
    connect(field, &QLineEdit::returnPressed, this, [this] { Cmd_Update[1]->click(); });

  Pic1->onMouseDown = [this](int x, int y) { Pic1_MouseDown(x, y); };
  Pic1->onDoubleClick = [this] { Pic1_DblClick(); };
  for (int i = 0; i < 5; ++i)
    connect(Cmd_mm[i], &QPushButton::clicked, this, [this, i] { Cmd_mm_Click(i); });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
  connect(cmd_mail, &QPushButton::clicked, this, [this] { cmd_mail_Click(); });

  // Only the window's own two drags are taken: an item of the list and the
  // note picture that stands for the typed text.
  const QStringList ownDrags = {QStringLiteral("LIST2"), QStringLiteral("IMAGE_JX")};
  new TagDropTarget(Pic1, ownDrags, [this](const QString& tag, const QPoint& at) { Pic1_DragDrop(tag, at.x(), at.y()); },
                    this);
  for (int i = 0; i < 5; ++i)
    new TagDropTarget(Cmd_mm[i], ownDrags, [this, i](const QString& tag, const QPoint&) { Cmd_mm_DragDrop(i, tag); },
                      this);
  List1->setAcceptDrops(true);
  new TagDropTarget(List1->viewport(), ownDrags, [this](const QString& tag, const QPoint&) { List1_DragDrop(tag); },
                    this);

  connect(cmd_FileNew, &QPushButton::clicked, this, [this] { cmd_FileNew_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_FileWrite, &QPushButton::clicked, this, [this] { Cmd_FileWrite_Click(); });
  connect(Cmd_FileExport, &QPushButton::clicked, this, [this] { Cmd_FileExport_Click(); });
  connect(Cmd_help, &QPushButton::clicked, this, [this] { Cmd_help_Click(); });
}
