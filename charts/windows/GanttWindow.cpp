#include "GanttWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "GanttFile.h"
#include "GanttSamples.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/ListControls.h"
#include "core/ui/Twips.h"
#include "core/ui/UnsavedChanges.h"

QString GanttWindow::CurrentGanttFile;

namespace {
void FillAndSelectFirst(QComboBox* list, const QStringList& items) {
  RefillList(list, items);
  const QSignalBlocker block(list);
  list->setCurrentIndex(0);
}
}  // namespace

GanttWindow::GanttWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("ガントチャート"));
  BuildLayout();
}

void GanttWindow::BuildLayout() {
  Cmb_title = new QComboBox(this);
  Cmb_title->setObjectName(QStringLiteral("Cmb_title"));
  Cmb_title->setEditable(true);
  Cmb_title->setInsertPolicy(QComboBox::NoInsert);
  // A title typed, or read from a file, that reads like a sample's name is
  // the chart's title, not a choice of that sample: the box's own matching
  // of its text against the list when editing ends is left out.
  QObject::disconnect(Cmb_title->lineEdit(), &QLineEdit::editingFinished, Cmb_title, nullptr);
  txt_name = new QLineEdit(this);
  txt_name->setObjectName(QStringLiteral("txt_name"));
  txt_makedate = new QLineEdit(this);
  txt_makedate->setObjectName(QStringLiteral("txt_makedate"));
  txt_data = new QPlainTextEdit(this);
  txt_data->setObjectName(QStringLiteral("txt_data"));
  txt_data->setLineWrapMode(QPlainTextEdit::NoWrap);
  txt_biko = new QPlainTextEdit(this);
  txt_biko->setObjectName(QStringLiteral("txt_biko"));
  txt_biko->setMaximumHeight(TwipsToPixelsY(1200));

  const auto combo = [this](const char* name) {
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(name));
    return c;
  };
  cmb_height = combo("cmb_height");
  cmb_sort = combo("cmb_sort");
  cmb_level = combo("cmb_level");
  cmb_start = combo("cmb_start");
  cmb_span = combo("cmb_span");
  cmb_box = combo("cmb_box");
  Cmb_men = combo("Cmb_men");
  const auto check = [this](const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, this);
    c->setObjectName(QString::fromLatin1(name));
    return c;
  };
  chk_sign = check("chk_sign", QStringLiteral("サイン欄"));
  chk_biko = check("chk_biko", QStringLiteral("全体の備考"));
  chk_autocolor = check("chk_autocolor", QStringLiteral("色自動"));
  chk_syuryouyotei = check("chk_syuryouyotei", QStringLiteral("終了日表示"));
  chk_jisseki = check("chk_jisseki", QStringLiteral("実績線表示"));
  chk_jisseki->setChecked(true);

  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_FileSearch = NewCommandButton("Cmd_FileSearch");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));

  auto* top = new QHBoxLayout;
  top->addWidget(Cmb_title, 3);
  top->addWidget(new QLabel(QStringLiteral("作成者:"), this));
  top->addWidget(txt_name, 1);
  top->addWidget(new QLabel(QStringLiteral("日:"), this));
  top->addWidget(txt_makedate, 1);

  auto* options = new QGridLayout;
  const auto labelled = [this, options](int row, int col, const QString& label, QWidget* w) {
    options->addWidget(new QLabel(label, this), row, col * 2);
    options->addWidget(w, row, col * 2 + 1);
  };
  labelled(0, 0, QStringLiteral("行高"), cmb_height);
  labelled(0, 1, QStringLiteral("並び順:"), cmb_sort);
  labelled(0, 2, QStringLiteral("頁替え:"), cmb_level);
  labelled(1, 0, QStringLiteral("開始年月:"), cmb_start);
  labelled(1, 1, QStringLiteral("全期間:"), cmb_span);
  labelled(1, 2, QStringLiteral("線表示形式:"), cmb_box);

  auto* checks = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(chk_sign), static_cast<QWidget*>(chk_biko),
                     static_cast<QWidget*>(chk_autocolor), static_cast<QWidget*>(chk_syuryouyotei),
                     static_cast<QWidget*>(chk_jisseki)})
    checks->addWidget(w);
  checks->addStretch(1);
  checks->addWidget(Cmb_men);
  checks->addWidget(Cmd_print);

  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addWidget(txt_data, 1);
  main->addWidget(txt_biko);
  main->addLayout(options);
  main->addLayout(checks);
  for (QPushButton* b : {Cmd_FileRead, Cmd_FileWrite, Cmd_help, Cmd_FileExport, Cmd_Fileimport, Cmd_FileSearch})
    main->addWidget(b);

  connect(Cmb_title, &QComboBox::activated, this, [this](int) { cmb_title_click(); });
  connect(Cmb_title, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (Cmb_title->currentIndex() == shownTitleIndex_) shownTitle_ = text;
  });
  connect(cmb_sort, &QComboBox::currentIndexChanged, this, [this](int) { cmb_sort_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, &GanttWindow::Cmd_FileRead_Click);
  connect(Cmd_FileWrite, &QPushButton::clicked, this, &GanttWindow::Cmd_FileWrite_Click);
  connect(Cmd_help, &QPushButton::clicked, this, &GanttWindow::Cmd_help_Click);
  connect(Cmd_print, &QPushButton::clicked, this, &GanttWindow::Cmd_print_Click);
}

void GanttWindow::Form_Load() {
  FillAndSelectFirst(cmb_box, {QStringLiteral("棒線"), QStringLiteral("台形"), QStringLiteral("２本線"), QStringLiteral("矢印")});
  FillAndSelectFirst(cmb_start, {QStringLiteral("自動"), QStringLiteral("当月"), QStringLiteral("作成月"), QStringLiteral("１月"),
                         QStringLiteral("４月"), QStringLiteral("１０月")});
  FillAndSelectFirst(cmb_span, {QStringLiteral("自動"), QStringLiteral("年"), QStringLiteral("６ヶ月"), QStringLiteral("３ヶ月"),
                        QStringLiteral("１ヶ月")});
  {
    const QSignalBlocker block(cmb_sort);
    FillAndSelectFirst(cmb_sort, {QStringLiteral("入力順"), QStringLiteral("?担当順"), QStringLiteral("?日付順"),
                                  QStringLiteral("?優先順")});
  }
  cmb_sort_Click();
  for (QLineEdit* box : {txt_name, txt_makedate}) box->setFixedHeight(TwipsToPixelsY(360));
  FillAndSelectFirst(cmb_height, {QString(), QStringLiteral("+1"), QStringLiteral("+2"), QStringLiteral("+3"),
                          QStringLiteral("+4"), QStringLiteral("+5"), QStringLiteral("+6")});
  Cmb_title->clear();
  cmb_title_click();
  if (CurrentGanttFile.isEmpty()) CurrentGanttFile = GetIniValue(QString(), QStringLiteral("FILE"));
  if (!CurrentGanttFile.isEmpty()) {
    if (!CurrentGanttFile.contains(QLatin1Char('\\')) && !CurrentGanttFile.contains(QLatin1Char('/')))
      CurrentGanttFile = ProgramFolder + CurrentGanttFile;
    LoadGanttFile();
  }
  savedChart_ = ChartData();
  ApplyImeMode(this);
}

void GanttWindow::SelectTitleIndex(int index) {
  {
    const QSignalBlocker block(Cmb_title);
    Cmb_title->setCurrentIndex(index);
  }
  showTitleChoice();
}

void GanttWindow::cmb_title_click() {
  if (Cmb_title->currentIndex() < 0) {
    const QSignalBlocker block(Cmb_title);
    RefillList(Cmb_title, {QString(), QStringLiteral("クリア"), QStringLiteral("予定と実績の対比"),
                           QStringLiteral("進捗の％で塗るケース"), QStringLiteral("プログラム製造管理さんぷる"),
                           QStringLiteral("工程管理さんぷる")});
    SelectTitleIndex(0);
    return;
  }
  if (!mayReplaceChart()) return;
  showTitleChoice();
  // A sample is no work of the user's: the chart asks again only once it
  // is changed.
  savedChart_ = ChartData();
}

bool GanttWindow::mayReplaceChart() {
  const auto show = [this](int index, const QString& title) {
    const QSignalBlocker block(Cmb_title);
    Cmb_title->setCurrentIndex(index);
    Cmb_title->setEditText(title);
  };
  const int chosen = Cmb_title->currentIndex();
  const QString chosenTitle = Cmb_title->currentText();
  // The question, and the write it may lead to, are about the chart as the
  // user had it, title and all.
  show(shownTitleIndex_, shownTitle_);
  if (!MayReadOverChanges(this, ChartChanged(), QStringLiteral("ガントチャート"), [this] { return writeChart(); }))
    return false;
  show(chosen, chosenTitle);
  return true;
}

void GanttWindow::showTitleChoice() {
  FillAndSelectFirst(Cmb_men, {QStringLiteral("表"), QStringLiteral("裏"), QStringLiteral("A4")});
  const int index = Cmb_title->currentIndex();
  if (index == 1) {
    CurrentGanttFile.clear();
    WriteIniValue(QString(), QStringLiteral("FILE"), QString());
    Cmb_title->setEditText(QString());
    txt_data->clear();
    txt_biko->clear();
  } else if (index >= 2) {
    const GanttSample sample = GanttSampleFor(index);
    chk_autocolor->setChecked(sample.autoColor == 1);
    cmb_box->setCurrentIndex(sample.box);
    txt_data->setPlainText(sample.text);
  }
  shownTitleIndex_ = index;
  shownTitle_ = Cmb_title->currentText();
}

void GanttWindow::cmb_sort_Click() {
  QStringList items{QStringLiteral("全体")};
  switch (cmb_sort->currentIndex()) {
    case 1: items << QStringLiteral("?担当別"); break;
    case 2: items << QStringLiteral("?月別"); break;
    case 3: items << QStringLiteral("?サマリー"); break;
    default: items << QStringLiteral("サマリー") << QStringLiteral("明細"); break;
  }
  FillAndSelectFirst(cmb_level, items);
}

void GanttWindow::Cmd_help_Click() {
  const QStringList lines = {
      QStringLiteral("1.データは以下のようなＣＳＶ形式"),
      QStringLiteral("　") + GanttFileHeader(),
      QString(),
      QStringLiteral("2.項目名"),
      QStringLiteral("　(1)先頭のスペースでレベル分けします。"),
      QStringLiteral("　(2)項目名の先頭に▽や▼を記入すると、棒線でなく締め切りなどの日付を記入できます。"),
      QStringLiteral("　(3)項目名の先頭に＊を記入するとその行は印刷されません。"),
      QStringLiteral("　(4)項目名の先頭に＋を記入すると、上の項目と同じ行に印刷されます。"),
      QString(),
      QStringLiteral("3.日付"),
      QStringLiteral("　2002/02/03のように記述します。"),
      QString(),
      QStringLiteral("4.TYPEには傍線の色を指定できます"),
      QStringLiteral("　赤、青、黄、緑、紫、空、灰、黒、白（白で塗りつぶされます）"),
  };
  platform::ShowMessage(lines.join(QLatin1Char('\n')), platform::MsgButtons::Ok,
                        platform::MsgIcon::Information, QStringLiteral("ヘルプ"));
}

QString GanttWindow::BoxText(const QPlainTextEdit* box) {
  return platform::NormaliseToCrLf(box->toPlainText());
}
