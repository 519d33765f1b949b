// The one-point picture: chosen from a file, the file list or the clipboard,
// and shown in the chosen corner of the page mock-up.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

#include "PictureLoader.h"
#include "RuledPaperWindow.h"
#include "core/platform/Clipboard.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/settings/Ini.h"
#include "core/text/PathHelpers.h"
#include "core/ui/Twips.h"

namespace {
// The picture keeps this far from the mock-up's edges.
constexpr double kInsetTwips = 100;
}  // namespace

void RuledPaperWindow::refreshFileList() {
  File1->clear();
  QStringList names;
  for (const QString& pattern : PictureFilePatterns().split(u';')) names << MatchingFiles(File1Path + pattern);
  names.removeDuplicates();
  names.sort(Qt::CaseInsensitive);
  File1->addItems(names);
}

void RuledPaperWindow::showPicture(const QImage& picture) {
  OnePointPicture = picture;
  // The mock-up shows the picture reduced to fit inside it; the page gets it whole.
  const int inset = TwipsToPixelsX(kInsetTwips);
  const QSize room(std::max(1, Shape3->width() - 2 * inset), std::max(1, Shape3->height() - 2 * inset));
  QPixmap shown = QPixmap::fromImage(picture);
  if (shown.width() > room.width() || shown.height() > room.height())
    shown = shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  Picture1->setPixmap(shown);
  Picture1->resize(shown.size());
  Picture1_Resize();
}

bool RuledPaperWindow::loadPictureFile(const QString& path) {
  QString refusal;
  const QImage picture = LoadPicture(path, &refusal);
  if (picture.isNull()) {
    platform::ShowMessage(refusal);
    return false;
  }
  showPicture(picture);
  return true;
}

void RuledPaperWindow::cmb_image_iti_Click() { Picture1_Resize(); }

void RuledPaperWindow::Picture1_Resize() {
  const int inset = TwipsToPixelsX(kInsetTwips);
  const int insetY = TwipsToPixelsY(kInsetTwips);
  const int index = cmb_image_iti->currentIndex();
  const bool right = index != 0 && index != 2;
  const bool bottom = index != 0 && index != 1;
  const int x = right ? Shape3->width() - Picture1->width() - inset : inset;
  const int y = bottom ? Shape3->height() - Picture1->height() - insetY : insetY;
  Picture1->move(x, y);
}

void RuledPaperWindow::Cmd_FileRead_Click() {
  const QString chosen =
      ShowFileDialog(true, nullptr, FolderOfPath(OnePointImagePath), FileNameOfPath(OnePointImagePath),
                     QStringLiteral("画像ファイル読込"), PictureFileFilter(), 1, QStringLiteral("bmp"));
  if (chosen.isEmpty() || SafeDir(chosen).isEmpty()) return;
  // A file that is no picture leaves the previous choice as it was.
  if (!loadPictureFile(chosen)) return;
  OnePointImagePath = chosen;
  File1Path = FolderOfPath(OnePointImagePath);
  refreshFileList();
  WriteIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1"), OnePointImagePath);
  WriteIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1_ICHI"),
                QString::number(cmb_image_iti->currentIndex()));
}

void RuledPaperWindow::Cmd_GetClip_Click() {
  if (!platform::ClipboardHasImage()) return;
  const QImage picture = platform::ClipboardImage();
  if (!picture.isNull()) showPicture(picture);
}

void RuledPaperWindow::File1_DblClick() {
  const QListWidgetItem* item = File1->currentItem();
  if (!item) return;
  const QString name = item->text();
  const QString path = File1Path + name;
  if (SafeDir(path).isEmpty()) {
    platform::ShowMessage(QStringLiteral("次のファイルが見つかりませんでした\n") + name);
    return;
  }
  loadPictureFile(path);
}
