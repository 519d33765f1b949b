#include "FileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "FileDialogFilter.h"
#include "MessageBox.h"
#include "WorkPlace.h"

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {

FileDialogHandler& fileDialogHandler() {
  static FileDialogHandler h;
  return h;
}

QString toSlashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

std::optional<QString> showRealFileDialog(const FileDialogRequest& request) {
  std::unique_ptr<QFileDialog> dialog = CreateFileDialog(request, QApplication::activeWindow());
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
  return files.first();
}

}  // namespace

void SetFileDialogHandler(FileDialogHandler h) {
  RegisterSeamReset([] { SetFileDialogHandler({}); });
  fileDialogHandler() = std::move(h);
}

FileDialogRequest MakeFileDialogRequest(bool open, int32_t flags, const QString& folder,
                                        const QString& fileName, const QString& title,
                                        const QString& filter, int filterIndex,
                                        const QString& defaultExtension) {
  FileDialogRequest r;
  r.open = open;
  r.flags = flags == 0 ? kDefaultFileDialogFlags : flags;
  r.folder = toSlashes(folder);
  // A name that ends with a separator names a folder: the name field starts empty.
  if (!fileName.endsWith(QLatin1Char('\\')) && !fileName.endsWith(QLatin1Char('/')))
    r.fileName = toSlashes(fileName);
  r.title = title;
  r.filter = filter;
  r.nameFilters = QtNameFilters(filter);
  r.filterIndex = filterIndex;
  r.defaultExtension = defaultExtension;
  while (r.defaultExtension.startsWith(QLatin1Char('.'))) r.defaultExtension.remove(0, 1);
  return r;
}

std::unique_ptr<QFileDialog> CreateFileDialog(const FileDialogRequest& r, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  if (!r.title.isEmpty()) dialog->setWindowTitle(r.title);
  if (r.open) {
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode((r.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  } else {
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The callers decide themselves what an existing name means (a new file
    // refuses it); the dialog asks only when the caller wants it to.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !(r.flags & OFN_OVERWRITEPROMPT));
  }
  if (!r.nameFilters.isEmpty()) {
    dialog->setNameFilters(r.nameFilters);
    const int index = (r.filterIndex >= 1 && r.filterIndex <= r.nameFilters.size()) ? r.filterIndex : 1;
    dialog->selectNameFilter(r.nameFilters[index - 1]);
  }
  if (!r.folder.isEmpty()) dialog->setDirectory(r.folder);
  if (!r.fileName.isEmpty()) dialog->selectFile(r.fileName);
  if (!r.defaultExtension.isEmpty()) dialog->setDefaultSuffix(r.defaultExtension);
  return dialog;
}

}  // namespace platform

QString platform::UnusableFileNameMessage(const QString& path) {
  QString shown = path;
  shown.replace(u'\n', u' ').replace(u'\r', u' ');
  return QStringLiteral("「%1」は使えないファイル名です。\r\n"
                        "改行や「\\」を含まない名前のファイルを選んでください。")
      .arg(shown);
}

QString ShowFileDialog(bool open, int32_t* flags, const QString& folder, const QString& fileName,
                       const QString& title, const QString& filter, int16_t filterIndex,
                       const QString& defaultExtension) {
  using namespace platform;
  const FileDialogRequest request = MakeFileDialogRequest(
      open, flags ? *flags : 0, folder, fileName, title, filter, filterIndex, defaultExtension);
  std::optional<QString> chosen;
  {
    const KeepWorkPlace place;
    chosen = fileDialogHandler() ? fileDialogHandler()(request) : showRealFileDialog(request);
  }
  if (!chosen || chosen->isEmpty()) return QString();
  // The program stores chosen paths in its settings, one per line, and reads
  // "\" there as a folder separator: such a name would silently name
  // another file at the next start.
  if (chosen->contains(u'\\') || chosen->contains(u'\n') || chosen->contains(u'\r')) {
    ShowMessage(UnusableFileNameMessage(*chosen), MsgButtons::Ok, MsgIcon::Exclamation);
    return QString();
  }
  const QString path = QDir::cleanPath(QFileInfo(toSlashes(*chosen)).absoluteFilePath());
  int32_t out = request.flags;
  if (!request.defaultExtension.isEmpty() &&
      QFileInfo(path).suffix().compare(request.defaultExtension, Qt::CaseInsensitive) != 0)
    out |= OFN_EXTENSIONDIFFERENT;
  if (flags) *flags = out;
  if (!(request.flags & OFN_NOCHANGEDIR)) QDir::setCurrent(QFileInfo(path).absolutePath());
  return path;
}
