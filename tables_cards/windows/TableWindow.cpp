#include "TableWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "TableFile.h"
#include "TableTemplates.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/ListControls.h"
#include "core/ui/TabBar.h"
#include "core/ui/Twips.h"

namespace {

QStringList Numbered(int from, int to, int step, const QString& unit) {
  QStringList items;
  for (int n = from; n <= to; n += step) items << QString::number(n) + unit;
  return items;
}

// Multi-line boxes work with LF; the table keeps CR LF.
QString BoxText(const QPlainTextEdit* box) { return platform::NormaliseToCrLf(box->toPlainText()); }
void SetBoxText(QPlainTextEdit* box, QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  box->setPlainText(text);
}

int16_t Check(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }
int16_t Position(const QComboBox* list) { return static_cast<int16_t>(list->currentIndex()); }

}  // namespace

TableWindow::TableWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("表"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead", QStringLiteral("読込"));
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite", QStringLiteral("書出"));
  Cmd_help = NewCommandButton("Cmd_help", QStringLiteral("「表」の記入方法"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  Chk_yoko = WithObjectName(new QCheckBox(QStringLiteral("横向"), this), QStringLiteral("Chk_yoko"));
  Cmb_men = WithObjectName(new QComboBox(this), QStringLiteral("Cmb_men"));
  Picture3 = WithObjectName(new TabBar(this), QStringLiteral("Picture3"));
  Picture3->setFixedHeight(fontMetrics().height() + 10);
  for (int i = 0; i < 2; ++i) Picture1[i] = WithObjectName(new QWidget(this), QStringLiteral("Picture1"));
  BuildOptionsPage();
  BuildContentPage();

  auto* top = new QHBoxLayout;
  top->addWidget(Chk_yoko);
  top->addWidget(Cmb_men);
  top->addStretch();
  top->addWidget(Cmd_print);
  auto* pages = new QGridLayout;
  pages->addWidget(Picture1[0], 0, 0);
  pages->addWidget(Picture1[1], 0, 0);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Picture3);
  layout->addLayout(pages, 1);

  connect(Picture3, &TabBar::MouseDown, this,
          [this](int button, int x, int y) { Picture3_MouseDown(button, 0, x, y); });
  connect(cmb_type, &QListWidget::currentRowChanged, this, [this] { Cmb_type_Click(); });
  connect(chk_midasiAmi, &QCheckBox::stateChanged, this, [this] { chk_midasiAmi_Click(); });
  connect(chk_tensen, &QCheckBox::stateChanged, this, [this] { chk_tensen_Click(); });
  connect(cmb_amikake_col, &QComboBox::currentIndexChanged, this, [this] { cmb_amikake_col_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_FileWrite, &QPushButton::clicked, this, [this] { Cmd_FileWrite_Click(); });
  connect(Cmd_help, &QPushButton::clicked, this, [this] { Cmd_help_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
}

void TableWindow::BuildOptionsPage() {
  QWidget* page = Picture1[0];
  cmb_type = WithObjectName(new QListWidget(page), QStringLiteral("cmb_type"));
  auto combo = [page](const char* name) { return WithObjectName(new QComboBox(page), QLatin1String(name)); };
  auto check = [page](const char* name, const QString& caption) {
    return WithObjectName(new QCheckBox(caption, page), QLatin1String(name));
  };
  Cmb_retu = combo("Cmb_retu");
  Cmb_gyou = combo("Cmb_gyou");
  cmb_coln = combo("cmb_coln");
  cmb_keisen_yoko = combo("cmb_keisen_yoko");
  cmb_size[0] = combo("cmb_size");
  cmb_amikake_col = combo("cmb_amikake_col");
  chk_notitle = check("chk_notitle", QStringLiteral("表題無し"));
  Chk_midasi = check("Chk_midasi", QStringLiteral("列見出し無し"));
  chk_midasiAmi = check("chk_midasiAmi", QStringLiteral("網掛"));
  Chk_keisen = check("Chk_keisen", QStringLiteral("縦罫線無し"));
  chk_amikake = check("chk_amikake", QStringLiteral("行網掛"));
  chk_waku_hosome = check("chk_waku_hosome", QStringLiteral("外枠細め"));
  chk_tensen = check("chk_tensen", QStringLiteral("横罫点線"));
  chk_biko2 = check("chk_biko2", QStringLiteral("２頁以降にも備考を印刷"));
  chk_date = check("chk_date", QStringLiteral("日付"));
  Chk_Page = check("Chk_Page", QStringLiteral("頁番号"));

  // The small sample: a heading band, a shaded column and two row rules.
  Shape_sample = WithObjectName(new QFrame(page), QStringLiteral("Shape_sample"));
  Shape_sample->setFrameShape(QFrame::Box);
  Shape_sample->setAutoFillBackground(true);
  Shap_amikake_yoko = WithObjectName(new QFrame(Shape_sample), QStringLiteral("Shap_amikake_yoko"));
  Shap_amikake_tate = WithObjectName(new QFrame(Shape_sample), QStringLiteral("Shap_amikake_tate"));
  for (int i = 0; i < 2; ++i)
    Line_yokokei[i] = WithObjectName(new QFrame(Shape_sample), QStringLiteral("Line_yokokei"));
  auto* sample = new QGridLayout(Shape_sample);
  sample->addWidget(Shap_amikake_yoko, 0, 0, 1, 2);
  sample->addWidget(Chk_midasi, 1, 0, 1, 2);
  sample->addWidget(chk_midasiAmi, 2, 0, 1, 2);
  sample->addWidget(Shap_amikake_tate, 3, 0, 4, 1);
  sample->addWidget(Line_yokokei[0], 3, 1);
  sample->addWidget(Chk_keisen, 4, 1);
  sample->addWidget(chk_amikake, 5, 1);
  sample->addWidget(Line_yokokei[1], 6, 1);
  sample->addWidget(cmb_keisen_yoko, 7, 0, 1, 2);
  Shap_amikake_yoko->setFixedHeight(6);
  Shap_amikake_tate->setFixedWidth(12);
  for (QFrame* f : {Shap_amikake_yoko, Shap_amikake_tate}) f->setAutoFillBackground(true);

  auto* options = new QGridLayout;
  int row = 0;
  options->addWidget(Cmb_retu, row, 0);
  options->addWidget(new QLabel(QStringLiteral("列数で等間隔になる"), page), row++, 1);
  options->addWidget(Cmb_gyou, row, 0);
  options->addWidget(cmb_coln, row++, 1);
  options->addWidget(cmb_size[0], row, 0);
  options->addWidget(cmb_amikake_col, row++, 1);
  options->addWidget(Shape_sample, row++, 0, 1, 2);
  for (QCheckBox* box : {chk_notitle, chk_waku_hosome, chk_tensen, chk_date, Chk_Page, chk_biko2})
    options->addWidget(box, row++, 0, 1, 2);
  options->setRowStretch(row, 1);

  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(cmb_type, 0, Qt::AlignTop);
  layout->addLayout(options, 1);
}

void TableWindow::BuildContentPage() {
  QWidget* page = Picture1[1];
  Txt_Title = WithObjectName(new QLineEdit(page), QStringLiteral("Txt_Title"));
  Txt_MidasiRetu = WithObjectName(new QLineEdit(page), QStringLiteral("Txt_MidasiRetu"));
  for (int i = 0; i < 9; ++i) Cmb_retu_haba[i] = WithObjectName(new QComboBox(page), QStringLiteral("Cmb_retu_haba"));
  Txt_Data = WithObjectName(new QPlainTextEdit(page), QStringLiteral("Txt_Data"));
  Txt_Data->setLineWrapMode(QPlainTextEdit::NoWrap);
  Txt_biko = WithObjectName(new QPlainTextEdit(page), QStringLiteral("Txt_biko"));
  for (QPushButton* b : {Cmd_FileRead, Cmd_FileWrite, Cmd_help}) b->setParent(page);

  auto* widths = new QHBoxLayout;
  for (QComboBox* list : Cmb_retu_haba) widths->addWidget(list);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Cmd_FileRead);
  buttons->addWidget(Cmd_FileWrite);
  buttons->addStretch();
  buttons->addWidget(Cmd_help);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Txt_Title);
  layout->addWidget(Txt_MidasiRetu);
  layout->addLayout(widths);
  layout->addWidget(Txt_Data, 3);
  layout->addWidget(new QLabel(QStringLiteral("備考"), page));
  layout->addWidget(Txt_biko, 1);
  layout->addLayout(buttons);
}

void TableWindow::FillLists() {
  QStringList sizes = {QStringLiteral("ﾃﾞﾌｫﾙﾄ")};
  RefillList(cmb_size[0], sizes);
  FillFontSizeList(cmb_size[0], QStringLiteral("FONTSIZE"));
  cmb_size[0]->setCurrentIndex(0);
  RefillList(Cmb_retu, Numbered(1, kTableColumnItems, 1, QStringLiteral("列")));
  Cmb_retu->setCurrentIndex(3);
  QStringList shades = {QStringLiteral("網掛無し")};
  for (int n = 1; n <= 10; ++n)
    shades << QStringLiteral("網掛") + QStringLiteral("%1").arg(n, 2) + QStringLiteral("列");
  RefillList(cmb_amikake_col, shades);
  cmb_amikake_col->setCurrentIndex(0);
  QStringList widths = {QString()};
  widths += Numbered(5, 200, 5, QStringLiteral("mm"));
  for (QComboBox* list : Cmb_retu_haba) {
    RefillList(list, widths);
    list->setCurrentIndex(0);
  }
  RefillList(Cmb_gyou, Numbered(3, 60, 1, QStringLiteral("行")));
  Cmb_gyou->setCurrentIndex(0);
  RefillList(Cmb_men, {QStringLiteral("表裏交互"), QStringLiteral("裏表交互"), QStringLiteral("表面のみ"),
                       QStringLiteral("裏面のみ"), QStringLiteral("Ａ４両面"), QStringLiteral("紙幅表"),
                       QStringLiteral("紙幅表裏"), QStringLiteral("２つ折り"), QStringLiteral("超整理型")});
  Cmb_men->setCurrentIndex(PaperSettings.SuperOrganiserMode == 1 ? kTableSuperOrganiserSide : 0);
  RefillList(cmb_coln, {QStringLiteral("No無し"), QStringLiteral("No")});
  cmb_coln->setCurrentIndex(0);
  RefillList(cmb_keisen_yoko, {QStringLiteral("横罫線なし"), QStringLiteral("横罫毎行"), QStringLiteral("横罫２行毎"),
                               QStringLiteral("横罫３行毎"), QStringLiteral("横罫４行毎")});
  cmb_keisen_yoko->setCurrentIndex(1);
}

void TableWindow::Form_Load() {
  cmb_type->setFixedHeight(TwipsToPixelsY(5100));
  TableFilePath = ProgramFolder;
  FillLists();
  Txt_MidasiRetu->setFixedHeight(qMax(TwipsToPixelsY(300), Txt_MidasiRetu->sizeHint().height()));
  QStringList names;
  for (int16_t n = 0; n <= 100; ++n) {
    const QString name = TableTemplateValue(QStringLiteral("TITLEJ"), n);
    if (name.isEmpty()) break;
    names << name;
  }
  RefillList(cmb_type, names);
  cmb_type->setCurrentRow(8);
  DrawTabBar(Picture3, QStringLiteral("サンプル,内容入力"), 1);
  Picture1[0]->setVisible(true);
  Picture1[1]->setVisible(false);
  ApplyImeMode(this);
  chk_tensen_Click();
  cmb_amikake_col_Click();
  chk_midasiAmi->setChecked(true);
  chk_midasiAmi_Click();
  savedTable_ = Options();
}

TableOptions TableWindow::Options() const {
  TableOptions o;
  o.title = Txt_Title->text();
  o.heading = Txt_MidasiRetu->text();
  o.body = BoxText(Txt_Data);
  o.remarks = BoxText(Txt_biko);
  o.colsPos = Position(Cmb_retu);
  for (int i = 0; i < 9; ++i) o.widthPos[i] = qMax<int16_t>(0, Position(Cmb_retu_haba[i]));
  o.rowsPos = qMax<int16_t>(0, Position(Cmb_gyou));
  o.coln = qMax<int16_t>(0, Position(cmb_coln));
  o.keisenYoko = qMax<int16_t>(0, Position(cmb_keisen_yoko));
  o.fontSizePos = qMax<int16_t>(0, Position(cmb_size[0]));
  o.men = qMax<int16_t>(0, Position(Cmb_men));
  o.amikakeCol = qMax<int16_t>(0, Position(cmb_amikake_col));
  o.yoko = Check(Chk_yoko);
  o.notitle = Check(chk_notitle);
  o.midasi = Check(Chk_midasi);
  o.midasiAmi = Check(chk_midasiAmi);
  o.keisen = Check(Chk_keisen);
  o.amikake = Check(chk_amikake);
  o.wakuHosome = Check(chk_waku_hosome);
  o.tensen = Check(chk_tensen);
  o.biko2 = Check(chk_biko2);
  o.date = Check(chk_date);
  o.page = Check(Chk_Page);
  return o;
}

void TableWindow::ShowOptions(const TableOptions& o) {
  Txt_Title->setText(o.title);
  Txt_MidasiRetu->setText(o.heading);
  SetBoxText(Txt_Data, o.body);
  SetBoxText(Txt_biko, o.remarks);
  Cmb_retu->setCurrentIndex(o.colsPos);
  for (int i = 0; i < 9; ++i) Cmb_retu_haba[i]->setCurrentIndex(o.widthPos[i]);
  Cmb_gyou->setCurrentIndex(o.rowsPos);
  cmb_coln->setCurrentIndex(o.coln);
  cmb_keisen_yoko->setCurrentIndex(o.keisenYoko);
  cmb_size[0]->setCurrentIndex(o.fontSizePos);
  Cmb_men->setCurrentIndex(o.men);
  cmb_amikake_col->setCurrentIndex(o.amikakeCol);
  Chk_yoko->setChecked(o.yoko == 1);
  chk_notitle->setChecked(o.notitle == 1);
  Chk_midasi->setChecked(o.midasi == 1);
  chk_midasiAmi->setChecked(o.midasiAmi == 1);
  Chk_keisen->setChecked(o.keisen == 1);
  chk_amikake->setChecked(o.amikake == 1);
  chk_waku_hosome->setChecked(o.wakuHosome == 1);
  chk_tensen->setChecked(o.tensen == 1);
  chk_biko2->setChecked(o.biko2 == 1);
  chk_date->setChecked(o.date == 1);
  Chk_Page->setChecked(o.page == 1);
}
