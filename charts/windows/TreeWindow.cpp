#include "TreeWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "TreeFile.h"
#include "TreeSamples.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/OverwriteQuestion.h"
#include "core/ui/Twips.h"
#include "core/ui/UnsavedChanges.h"

namespace {
const QString kColourSection = QStringLiteral("JXTREE");
const QString kFilter = QStringLiteral("テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||");

QString LevelColourDefault(int level) {
  switch (level) {
    case 0: return QStringLiteral("0000FF");
    case 1: return QStringLiteral("FF0000");
    case 2: return QStringLiteral("00FF00");
    default: return QStringLiteral("000000");
  }
}
}  // namespace

TreeWindow::TreeWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("木"));
  Txt_Title = new QLineEdit(this);
  txt_data = new QPlainTextEdit(this);
  txt_data->setLineWrapMode(QPlainTextEdit::NoWrap);
  txt_biko = new QPlainTextEdit(this);
  Cmb_Type = new QListWidget(this);
  Cmb_Type->installEventFilter(this);
  cmb_box = new QComboBox(this);
  cmb_level = new QComboBox(this);
  chk_kaisoColor = new QCheckBox(QStringLiteral("階層別カラー"), this);
  chk_lineHosome = new QCheckBox(QStringLiteral("線細め"), this);
  Cmb_men = new QComboBox(this);
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  for (const char* name : {"Cmd_help", "Cmd_FileExport", "Cmd_Fileimport", "Cmd_FileSearch"}) NewCommandButton(name);
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("タイトル:"), this), 0, 0);
  grid->addWidget(Txt_Title, 0, 1, 1, 3);
  grid->addWidget(txt_data, 1, 0, 1, 4);
  grid->addWidget(new QLabel(QStringLiteral("備考:"), this), 2, 0);
  grid->addWidget(txt_biko, 3, 0, 1, 4);
  auto* side = new QVBoxLayout;
  side->addWidget(new QLabel(QStringLiteral("記入例(各種用紙のｻﾝﾌﾟﾙ)"), this));
  side->addWidget(Cmb_Type);
  side->addWidget(new QLabel(QStringLiteral("箱ﾀｲﾌﾟ:"), this));
  side->addWidget(cmb_box);
  side->addWidget(new QLabel(QStringLiteral("頁替:"), this));
  side->addWidget(cmb_level);
  side->addWidget(chk_kaisoColor);
  side->addWidget(chk_lineHosome);
  side->addWidget(Cmb_men);
  side->addWidget(Cmd_print);
  side->addStretch();
  grid->addLayout(side, 0, 4, 4, 1);
  grid->setRowStretch(1, 3);
  grid->setRowStretch(3, 1);

  connect(Cmb_Type, &QListWidget::currentRowChanged, this, [this] { Cmb_type_Click(); });
  connect(cmd_FileNew, &QPushButton::clicked, this, [this] { cmd_FileNew_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_FileWrite, &QPushButton::clicked, this, [this] { Cmd_FileWrite_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
}

void TreeWindow::Form_Load() {
  Cmb_Type->setFixedHeight(TwipsToPixelsY(2460));
  for (int level = 0; level <= 20; ++level)
    LevelColours[size_t(level)] = GetIniValueOrDefault(
        kColourSection, QStringLiteral("KAISO_COLOR%1").arg(level, 2, 10, QLatin1Char('0')), LevelColourDefault(level));
  cmb_box->clear();
  cmb_box->addItems({QStringLiteral("1段"), QStringLiteral("1段 2項目"), QStringLiteral("2段"), QStringLiteral("2段 2項目"),
                     QStringLiteral("2段 3項目 下2列"), QStringLiteral("2段 3項目 上2列"), QStringLiteral("3段"),
                     QStringLiteral("3段 3項目")});
  cmb_box->setCurrentIndex(0);
  cmb_level->clear();
  cmb_level->addItems({QStringLiteral("連続"), QStringLiteral("最上位のみ別頁")});
  cmb_level->setCurrentIndex(0);
  {
    const QSignalBlocker block(Cmb_Type);
    Cmb_Type->clear();
    Cmb_Type->addItems({QStringLiteral("クリア"), QStringLiteral("緊急連絡網サンプル"), QStringLiteral("組織図サンプル"),
                        QStringLiteral("ﾌﾟﾛｸﾞﾗﾑ階層図ｻﾝﾌﾟﾙ")});
  }
  selectType(1);
  savedTree_ = currentTreeBytes();
  ApplyImeMode(this);
}

void TreeWindow::selectType(int index) {
  {
    const QSignalBlocker block(Cmb_Type);
    Cmb_Type->setCurrentRow(index);
  }
  showType();
}

bool TreeWindow::eventFilter(QObject* watched, QEvent* event) {
  // The sample list is chosen with the mouse or the arrow keys only: Delete
  // must not clear it and typing must not jump to an item.
  if (watched == Cmb_Type && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) return true;
    if (!key->text().isEmpty() && key->text().at(0).isPrint()) return true;
  }
  return PageWindow::eventFilter(watched, event);
}

QString TreeWindow::ItemText() const { return platform::NormaliseToCrLf(txt_data->toPlainText()); }
QString TreeWindow::RemarkText() const { return platform::NormaliseToCrLf(txt_biko->toPlainText()); }
void TreeWindow::SetItemText(const QString& text) {
  txt_data->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
void TreeWindow::SetRemarkText(const QString& text) {
  txt_biko->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TreeWindow::Cmb_type_Click() {
  if (!MayReadOverChanges(this, TreeChanged(), QStringLiteral("木"), [this] { return writeTree(); })) {
    // The click that chose the row selects it once this handler is done:
    // the row shown is put back now and selected again after it.
    const auto putBack = [this] {
      const QSignalBlocker block(Cmb_Type);
      Cmb_Type->setCurrentRow(shownType_, QItemSelectionModel::ClearAndSelect);
    };
    putBack();
    QTimer::singleShot(0, this, putBack);
    return;
  }
  showType();
  // A sample is no work of the user's: the chart asks again only once it
  // is changed.
  savedTree_ = currentTreeBytes();
}

void TreeWindow::showType() {
  shownType_ = Cmb_Type->currentRow();
  Cmb_men->clear();
  Cmb_men->addItems({QStringLiteral("表"), QStringLiteral("裏"), QStringLiteral("A4")});
  Cmb_men->setCurrentIndex(0);
  txt_biko->clear();
  const int index = shownType_;
  if (index < 1 || index > 3) {
    clearChart();
    return;
  }
  const TreeSample sample = TreeSampleOf(index);
  Txt_Title->setText(sample.title);
  cmb_box->setCurrentIndex(sample.boxLayout);
  if (sample.levelColours >= 0) chk_kaisoColor->setChecked(sample.levelColours == 1);
  if (sample.thinLines >= 0) chk_lineHosome->setChecked(sample.thinLines == 1);
  SetRemarkText(sample.remarks);
  SetItemText(sample.items);
}

void TreeWindow::cmd_FileNew_Click() {
  if (!MayReadOverChanges(this, TreeChanged(), QStringLiteral("木"), [this] { return writeTree(); })) return;
  clearChart();
  savedTree_ = currentTreeBytes();
}

void TreeWindow::clearChart() {
  Txt_Title->clear();
  txt_data->clear();
  txt_biko->clear();
}

void TreeWindow::Cmd_FileRead_Click() {
  if (!MayReadOverChanges(this, TreeChanged(), QStringLiteral("木"), [this] { return writeTree(); })) return;
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(CurrentTreeFile), FileNameOfPath(CurrentTreeFile),
                                        FileMenuCaption(FileItem::Read), kFilter, 1, QStringLiteral("txt"));
  if (chosen.isEmpty()) return;
  // Read first: a file that cannot be read leaves the chart on screen as it was.
  QString title = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
  if (title.right(4).compare(QStringLiteral(".csv"), Qt::CaseInsensitive) == 0) title.chop(4);
  BeginBusy(this);
  QByteArray bytes;
  if (ReadDataFileWithinLimitOrReport(chosen, bytes)) {
    const TreeDocument doc = ReadTreeFile(bytes, title);
    CurrentTreeFile = ProgramRelativePath(chosen, RelativeStyle::DotPrefixed);
    selectType(0);
    Txt_Title->setText(doc.title);
    SetItemText(doc.items);
    SetRemarkText(doc.remarks);
    savedTree_ = currentTreeBytes();
  }
  EndBusy(this);
}

void TreeWindow::Cmd_FileWrite_Click() { writeTree(); }

bool TreeWindow::writeTree() {
  const QString chosen = ShowFileDialog(false, nullptr, FolderOfPath(CurrentTreeFile), FileNameOfPath(CurrentTreeFile),
                                        FileMenuCaption(FileItem::Write), kFilter, 1, QStringLiteral("txt"));
  // A cancelled dialog keeps the file the window had.
  if (chosen.isEmpty()) return false;
  if (!OverwriteAgreed(chosen)) return false;
  const TreeDocument doc{Txt_Title->text(), ItemText(), RemarkText()};
  BeginBusy(this);
  // The window moves to the new file only once it holds the chart.
  const bool saved = WriteDocumentFile(chosen, TreeFileText(doc));
  if (saved) {
    CurrentTreeFile = chosen;
    savedTree_ = WriteTreeFile(doc);
  }
  EndBusy(this);
  return saved;
}

QByteArray TreeWindow::currentTreeBytes() const {
  return WriteTreeFile(TreeDocument{Txt_Title->text(), ItemText(), RemarkText()});
}

bool TreeWindow::TreeChanged() const { return currentTreeBytes() != savedTree_; }

void TreeWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, TreeChanged(), mode, WriteBeforeClosingQuestion(QStringLiteral("木"), mode),
                         [this] { return writeTree(); }, cancel);
}
