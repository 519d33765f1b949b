#include "PhotoWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "PhotoFiles.h"
#include "PhotoSidecar.h"
#include "PictureLoader.h"
#include "core/ui/HelpPage.h"
#include "core/platform/Clipboard.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/Twips.h"
#include "core/ui/UnsavedChanges.h"
#include "core/ui/VersionBox.h"
#include "core/print/Pictures.h"

namespace {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using platform::ShowMessage;

// Holds the window disabled with the hourglass for as long as it lives.
using Busy = BusyScope;

bool IsReadableExtension(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toUpper();
  return ext == QLatin1String("BMP") || ext == QLatin1String("ICO") || ext == QLatin1String("PNG") ||
         ext == QLatin1String("JPG") || ext == QLatin1String("JPEG");
}

QString ToCrLf(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return t;
}

}  // namespace

PhotoWindow::PhotoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("写真帳"));
  Cmb_size = new QComboBox(this);
  Cmb_Type = new QComboBox(this);
  cmb_bairitu = new QComboBox(this);
  cmb_ichi = new QComboBox(this);
  Chk_picnomi = new QCheckBox(QStringLiteral("写真のみ"), this);
  chk_kazari = new QCheckBox(QStringLiteral("表題罫線"), this);
  chk_color = new QCheckBox(QStringLiteral("白黒用"), this);
  Label1 = new QLabel(QStringLiteral("題"), this);
  txt_title = new QLineEdit(this);
  lbl_setumei = new QLabel(QStringLiteral("写真の説明"), this);
  txt_data = new QPlainTextEdit(this);
  Picture1 = new QLabel(this);
  Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Picture1->setFixedSize(TwipsToPixelsX(94 * kTwipsPerMm), TwipsToPixelsY(177 * kTwipsPerMm));
  Picture1->setFrameShape(QFrame::Box);

  Cmd_FileRead = NewCommandButton("Cmd_FileRead", QStringLiteral("ﾌｧｲﾙ読み込み"));
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ読込"));
  Cmd_kaiten = NewCommandButton("Cmd_kaiten", QStringLiteral("画像の左回転"));
  Command1 = NewCommandButton("Command1", QStringLiteral("用紙いっぱいに"));
  Cmd_help = NewCommandButton("Cmd_help", QStringLiteral("印刷できない時"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");

  auto* controls = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{Cmb_size, Cmb_Type, cmb_bairitu, cmb_ichi, Chk_picnomi,
                                                     chk_kazari, chk_color, Label1, txt_title, lbl_setumei,
                                                     txt_data, Cmd_FileRead, Cmd_Fileimport, Cmd_kaiten,
                                                     Command1, Cmd_help, Cmd_print})
    controls->addWidget(w);
  auto* row = new QHBoxLayout(this);
  row->addWidget(Picture1, 0, Qt::AlignTop);
  row->addLayout(controls);

  connect(Cmb_size, &QComboBox::currentIndexChanged, this, [this] { Cmb_size_Click(); });
  connect(Cmb_Type, &QComboBox::currentIndexChanged, this, [this] { Cmb_type_Click(); });
  connect(Cmd_FileRead, &QPushButton::clicked, this, [this] { Cmd_FileRead_Click(); });
  connect(Cmd_Fileimport, &QPushButton::clicked, this, [this] { Cmd_Fileimport_Click(); });
  connect(Cmd_FileWrite, &QPushButton::clicked, this, [this] { Cmd_FileWrite_Click(); });
  connect(Cmd_kaiten, &QPushButton::clicked, this, [this] { Cmd_kaiten_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_click(); });
  connect(Cmd_help, &QPushButton::clicked, this, [this] { Cmd_help_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, [this] { Cmd_print_Click(); });
}

void PhotoWindow::Form_Load() {
  const QSignalBlocker b1(Cmb_size), b2(Cmb_Type);
  Cmb_size->clear();
  Cmb_size->addItems({QStringLiteral("用紙のサイズに合わせる"), QStringLiteral("画像を用紙の横幅にあわせる"),
                      QStringLiteral("画像を用紙の高さにあわせる"), QStringLiteral("画像を用紙の幅と高さにあわせる"),
                      QStringLiteral("画像を用紙いっぱいに")});
  Cmb_Type->clear();
  Cmb_Type->addItems({QStringLiteral("表面"), QStringLiteral("裏面"), QStringLiteral("２折(A4縦)"),
                      QStringLiteral("３折(A4縦)"), QStringLiteral("Ａ４左端"), QStringLiteral("Ａ４右端")});
  cmb_bairitu->clear();
  for (int s = 100; s >= 10; s -= 10) cmb_bairitu->addItem(QString::number(s) + QStringLiteral("%"));
  cmb_ichi->clear();
  cmb_ichi->addItems({QStringLiteral("左上"), QStringLiteral("右上"), QStringLiteral("左下"), QStringLiteral("右下"),
                      QStringLiteral("中央"), QStringLiteral("中央上"), QStringLiteral("中央左")});
  for (QComboBox* list : {Cmb_size, Cmb_Type, cmb_bairitu, cmb_ichi}) list->setCurrentIndex(0);
  Cmb_size_Click();
  Cmb_type_Click();
  ApplyImeMode(this);
  CurrentPicturePath = DataFolder;
  savedPhoto_ = photoNow();
}

void PhotoWindow::Form_Activate() {
  QPalette palette = txt_title->palette();
  palette.setColor(QPalette::Text, QColorFromRgbValue(ColorByIndex(PaperSettings.HeadColor)));
  txt_title->setPalette(palette);
  QFont font = txt_title->font();
  font.setFamily(PaperSettings.HeadFontName);
  txt_title->setFont(font);
}

void PhotoWindow::Cmb_size_Click() {
  for (QWidget* w : std::initializer_list<QWidget*>{Chk_picnomi, txt_data, lbl_setumei, cmb_ichi, cmb_bairitu})
    w->setVisible(true);
  const int fit = Cmb_size->currentIndex();
  if (fit == 3) Chk_picnomi->setVisible(false);
  if (fit == 4)
    for (QWidget* w : std::initializer_list<QWidget*>{Chk_picnomi, txt_data, lbl_setumei, cmb_ichi, cmb_bairitu})
      w->setVisible(false);
}

void PhotoWindow::Cmb_type_Click() {
  const bool folded = Cmb_Type->currentText().left(2) == QStringLiteral("３折");
  for (QWidget* w : std::initializer_list<QWidget*>{Cmb_size, cmb_bairitu, cmb_ichi}) w->setVisible(!folded);
}

void PhotoWindow::setPicture(const QImage& picture, bool stretched) {
  SavedPicture = picture;
  Stretched = stretched;
  PrintedPicture = stretched ? StretchPictureToBody(picture) : picture;
  ++pictureNumber_;
  ScalePhotoPreview();
}

QStringList PhotoWindow::photoNow() const {
  return {QString::number(pictureNumber_), txt_title->text(), ToCrLf(txt_data->toPlainText()),
          QString::number(Cmb_size->currentIndex()), QString::number(cmb_bairitu->currentIndex()),
          QString::number(cmb_ichi->currentIndex()), QString::number(Chk_picnomi->isChecked() ? 1 : 0)};
}

// Without a picture there is nothing to save: a title or a text is kept
// only together with one.
bool PhotoWindow::PhotoChanged() const { return !SavedPicture.isNull() && photoNow() != savedPhoto_; }

void PhotoWindow::Form_QueryUnload(int16_t& cancel, UnloadMode mode) {
  AskBeforeLosingChanges(this, PhotoChanged(), mode, WriteBeforeClosingQuestion(QStringLiteral("写真帳"), mode),
                         [this] { return writePhoto(); }, cancel);
}

void PhotoWindow::applySidecar(const PhotoSidecar& s) {
  if (s.hasTitle) txt_title->setText(s.title);
  txt_data->setPlainText(QString(s.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const std::pair<QComboBox*, int> lists[] = {{Cmb_size, s.fit}, {cmb_bairitu, s.scale}, {cmb_ichi, s.anchor}};
  for (const auto& [list, index] : lists)
    if (index != PhotoSidecar::kUnchanged) list->setCurrentIndex(index);
  if (s.pictureOnly != PhotoSidecar::kUnchanged) Chk_picnomi->setChecked(s.pictureOnly == 1);
  Cmb_size_Click();
}

bool PhotoWindow::LoadPhotoFile(const QString& path) {
  if (!IsReadableExtension(path)) {
    ShowMessage(QStringLiteral("ＢＭＰ、ＩＣＯ、ＰＮＧ、ＪＰＥＧファイル以外読み込めません"), MsgButtons::Ok,
                MsgIcon::Exclamation);
    return false;
  }
  Busy busy(this);
  QString refusal;
  const QImage picture = LoadPicture(path, &refusal);
  // A file that is no picture leaves the previous picture, title and text.
  if (picture.isNull()) {
    ShowMessage(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  // The side file is read with the checks of every document file: one that
  // cannot be read, or is no text, is told and shown as no side file, never
  // as garbage that saving would write back.
  const QString sidecar = PhotoSidecarPath(path);
  QByteArray content;
  const bool sidecarRead =
      !sidecar.isEmpty() && QFileInfo(sidecar).isFile() && ReadDataFileWithinLimitOrReport(sidecar, content);
  CurrentPicturePath = path;
  setPicture(picture);
  if (sidecarRead) applySidecar(ReadPhotoSidecar(content));
  savedPhoto_ = photoNow();
  return true;
}

void PhotoWindow::Cmd_FileRead_Click() {
  if (!MayReadOverChanges(this, PhotoChanged(), QStringLiteral("写真帳"), [this] { return writePhoto(); })) return;
  const QString chosen = ShowFileDialog(true, nullptr, FolderOfPath(CurrentPicturePath),
                                        FileNameOfPath(CurrentPicturePath), FileMenuCaption(FileItem::Read),
                                        PictureFileFilter(), 1, QString());
  if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
  LoadPhotoFile(chosen);
}

void PhotoWindow::Cmd_Fileimport_Click() {
  const QImage picture = platform::ClipboardImage();
  if (picture.isNull()) {
    ShowMessage(QStringLiteral("クリップボードに画像を保管してください。"), MsgButtons::Ok, MsgIcon::Exclamation);
    return;
  }
  // A pasted picture replaces the one shown: one not saved is asked about
  // first, as reading a file over it is.
  if (!MayReadOverChanges(this, PhotoChanged(), QStringLiteral("写真帳"), [this] { return writePhoto(); })) return;
  Busy busy(this);
  setPicture(picture);
}

void PhotoWindow::Cmd_FileWrite_Click() { writePhoto(); }

bool PhotoWindow::writePhoto() {
  const QString path = ShowFileDialog(
      false, nullptr, FolderOfPath(CurrentPicturePath), FileNameOfPath(CurrentPicturePath),
      FileMenuCaption(FileItem::Write),
      QStringLiteral("画像ファイル (*.bmp)|*.bmp|PNGファイル (*.png)|*.png|JPEGファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
                     "全て (*.*)|*.*||"),
      1, QStringLiteral("bmp"));
  // A cancelled dialog keeps the file the window had.
  if (path.isEmpty()) return false;
  if (SavedPicture.isNull()) {
    ShowMessage(QStringLiteral("保存する画像がありません。"), MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  const QString sidecar = PhotoSidecarPath(path);
  const QString title = txt_title->text();
  const QString text = ToCrLf(txt_data->toPlainText());
  // The question names the files that would be replaced, not the one asked for.
  QStringList replaced;
  for (const QString& file : {path, sidecar})
    if (!file.isEmpty() && QFileInfo::exists(file)) replaced << file;
  if (!replaced.isEmpty()) {
    platform::MessageRequest ask;
    ask.text = QStringLiteral("同じファイルがあります、上書きしますか？\r\n") + replaced.join(QStringLiteral("\r\n"));
    ask.buttons = MsgButtons::OkCancel;
    ask.icon = MsgIcon::Exclamation;
    ask.defaultButton = 2;
    if (ShowMessage(ask) != MsgResult::Ok) return false;
  }
  Busy busy(this);
  const PhotoSidecar stored{.hasTitle = true,
                           .title = title,
                           .fit = Cmb_size->currentIndex(),
                           .scale = cmb_bairitu->currentIndex(),
                           .anchor = cmb_ichi->currentIndex(),
                           .pictureOnly = Chk_picnomi->isChecked() ? 1 : 0,
                           .text = text};
  if (!SavePhotoFiles(path, SavedPicture, stored)) return false;
  // Only a written picture moves the window to the new file: a declined
  // question or a failed write leaves it at the one it had.
  CurrentPicturePath = path;
  savedPhoto_ = photoNow();
  return true;
}

// A picture stretched to the page stays stretched when it is turned.
void PhotoWindow::Cmd_kaiten_Click() {
  Busy busy(this);
  setPicture(TurnPictureLeft(SavedPicture), Stretched);
}

void PhotoWindow::Command1_click() {
  Busy busy(this);
  Stretched = true;
  PrintedPicture = StretchPictureToBody(SavedPicture);
  ScalePhotoPreview();
}

void PhotoWindow::ScalePhotoPreview() {
  const QImage& picture = PrintedPicture;
  if (picture.isNull()) {
    Picture1->clear();
    return;
  }
  const int room = Picture1->width() - 2 * Picture1->frameWidth();
  // Never enlarged; the height follows the width and may pass the box's bottom.
  if (picture.width() <= room)
    Picture1->setPixmap(QPixmap::fromImage(picture));
  else
    Picture1->setPixmap(QPixmap::fromImage(picture.scaledToWidth(room, Qt::SmoothTransformation)));
}

void PhotoWindow::Cmd_help_Click() {
  const QString crlf = QStringLiteral("\r\n");
  ShowMessage(QStringLiteral("表題は印刷されるが、画像がうまく印刷されないときは、") + crlf +
                  QStringLiteral("「プリンターのプロパティ（詳細、プリンタの設定)」の") + crlf +
                  QStringLiteral("「印刷目的」を「ＤＴＰ」とか「写真」などに設定してください。") + crlf + crlf +
                  MoreHelpLine() + QStringLiteral("。") + crlf + crlf,
              MsgButtons::Ok, MsgIcon::Information);
}

PhotoPageOptions PhotoWindow::ReadOptions() const {
  PhotoPageOptions o;
  o.fit = Cmb_size->currentIndex();
  o.side = Cmb_Type->currentIndex();
  o.scale = cmb_bairitu->currentIndex();
  o.anchor = cmb_ichi->currentIndex();
  // Printing follows what the user sees: a hidden box prints the picture alone.
  o.pictureOnly = Chk_picnomi->isHidden() || Chk_picnomi->isChecked();
  o.titleRule = chk_kazari->isChecked();
  o.monochrome = chk_color->isChecked();
  o.title = txt_title->text();
  o.text = ToCrLf(txt_data->toPlainText());
  o.picture = PrintedPicture;
  return o;
}

void PhotoWindow::Cmd_print_Click() {
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  Busy busy(this);
  PrintPhotoPages(ReadOptions());
}
