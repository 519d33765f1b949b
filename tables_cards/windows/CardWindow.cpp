#include "CardWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CardColumnList.h"
#include "CardLayoutPicture.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/Twips.h"

CardWindow::CardWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("カード"));
  List2 = new CardColumnList(this);
  List1 = new QListWidget(this);
  List1->setEnabled(false);
  Pic1 = new CardLayoutPicture(this);
  Pic1->setColumns(&columns);
  Txt_csvFile = new QLineEdit(this);
  Txt_Title = new QLineEdit(this);
  Cmb_men = new QComboBox(this);
  Chk_midasi = new QCheckBox(QStringLiteral("見出"), this);
  Pic_tool = new QPushButton(QStringLiteral("□"), this);
  Cmd_FileRead = NewCommandButton("Cmd_FileRead", QStringLiteral("CSVﾌｧｲﾙ読込"));
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite", QStringLiteral("書出"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  for (const char* name : {"cmd_FileNew", "Cmd_FileSearch", "Cmd_Fileimport", "Cmd_FileExport", "Cmd_help"})
    NewCommandButton(name);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("CSVﾌｧｲﾙ:"), this), 0, 0);
  grid->addWidget(Txt_csvFile, 0, 1, 1, 2);
  grid->addWidget(Cmd_FileRead, 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("タイトル:"), this), 1, 0);
  grid->addWidget(Txt_Title, 1, 1, 1, 2);
  grid->addWidget(Cmd_FileWrite, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("CSVの項目"), this), 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("印刷イメージ（下記にCSVの項目をﾄﾞﾗｯｸﾞﾄﾞﾛｯﾌﾟ）"), this), 2, 1, 1, 3);
  grid->addWidget(List2, 3, 0);
  grid->addWidget(Pic1, 3, 1, 2, 3);
  grid->addWidget(List1, 4, 0);
  auto* row = new QHBoxLayout;
  row->addWidget(Pic_tool);
  row->addWidget(Cmb_men);
  row->addWidget(Chk_midasi);
  row->addStretch();
  row->addWidget(Cmd_print);
  grid->addLayout(row, 5, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);

  List2->onDrop = [this](const QString& source, int index) { List2_DragDrop(source, index); };
  Pic1->onDrop = [this](const QString& source, int index, QPointF mm) {
    if (index >= 0 && index < List2->count()) List2->setCurrentRow(index);
    Pic1_DragDrop(source, index, mm.x(), mm.y());
  };
  Pic1->onPress = [this](QPointF mm) { return Pic1_MouseDown(mm.x(), mm.y()); };
  connect(Pic_tool, &QPushButton::pressed, this, [this] { Pic_tool_MouseDown(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_FileWrite, &QPushButton::clicked, this, [this] { Cmd_FileWrite_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
}

void CardWindow::showColumns() {
  List1->clear();
  List2->clear();
  for (const CardColumn& column : columns) {
    List2->addItem(column.name);
    List1->addItem(column.position);
  }
}

void CardWindow::DrawCardPreview() {
  const double h = CardHeightOf(columns, PaperSettings.DefaultFontSize);
  if (h > 0) CardHeight = h;
  Pic1->update();
}

void CardWindow::Pic1_DragDrop(const QString& source, int index, double x, double y) {
  const int row = List2->currentRow();
  if (row >= 0 && row < int(columns.size())) {
    const CardPoint at = SnapCardPoint(x, y, PaperSettings.DefaultFontSize);
    columns[size_t(row)].position = FormatCardPosition(at.x, at.y);
    List1->item(row)->setText(columns[size_t(row)].position);
  }
  DrawCardPreview();
}

void CardWindow::List2_DragDrop(const QString& source, int index) {
  LayoutTool = QStringLiteral("LIST2");
  if (source == QStringLiteral("PIC1") && index >= 0 && index < int(columns.size())) {
    columns[size_t(index)].position.clear();
    List1->item(index)->setText(QString());
  }
  DrawCardPreview();
}

int CardWindow::Pic1_MouseDown(double x, double y) {
  const double n = RoundHalfEven(HalfCharWidthMm(PaperSettings.DataFontSize > 0 ? PaperSettings.DataFontSize : 9));
  int picked = -1;
  for (size_t i = 0; i < columns.size(); ++i) {
    const std::optional<CardPoint> at = columns[i].position.isEmpty() ? std::nullopt : ParseCardPosition(columns[i].position);
    if (!at) continue;
    const double width = n * 2 * columns[i].name.size();
    if (at->x <= x && x <= at->x + width && at->y <= y && y <= at->y + 2 * n) {
      picked = int(i);
      List2->setCurrentRow(picked);
      List1->setCurrentRow(picked);
      LayoutTool.clear();
      break;
    }
  }
  Pic1->band = QRectF(x, y, 0, 0);
  Pic1->bandVisible = LayoutTool == QStringLiteral("BOX");
  return picked;
}
