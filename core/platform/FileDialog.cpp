#include "FileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <utility>

#include "FileDialogFilter.h"
#include "ProblemReport.h"
#include "WorkPlace.h"

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {

FileDialogHandler& fileDialogHandler() {
  static FileDialogHandler h;
  return h;
}

QString toSlashes(QString path) { return path.replace(QLatin1Char('\\'), QLatin1Char('/')); }

FileDialogHandler& fileDialogWindow() {
  static FileDialogHandler window;
  return window;
}

std::optional<QString> noFileDialogWindow(const FileDialogRequest& request) {
  std::fprintf(stderr, "no file dialog, %s cancelled: %s\n", request.open ? "open" : "save",
               qUtf8Printable(request.title.isEmpty() ? request.folder : request.title));
  std::fflush(stderr);
  return std::nullopt;
}

}  // namespace

void SetFileDialogHandler(FileDialogHandler h) {
  RegisterSeamReset([] { SetFileDialogHandler({}); });
  fileDialogHandler() = std::move(h);
}

FileDialogHandler UseFileDialogWindow(FileDialogHandler window) {
  return std::exchange(fileDialogWindow(), std::move(window));
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
    if (fileDialogHandler())
      chosen = fileDialogHandler()(request);
    else if (fileDialogWindow())
      chosen = fileDialogWindow()(request);
    else
      chosen = noFileDialogWindow(request);
  }
  if (!chosen || chosen->isEmpty()) return QString();
  // The program stores chosen paths in its settings, one per line, and reads
  // "\" there as a folder separator: such a name would silently name
  // another file at the next start.
  if (chosen->contains(u'\\') || chosen->contains(u'\n') || chosen->contains(u'\r')) {
    ReportProblem({Problem::UnusableFileName, *chosen});
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
