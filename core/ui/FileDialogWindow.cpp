#include "FileDialogWindow.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {

std::unique_ptr<QFileDialog> CreateFileDialog(const FileDialogRequest& r, QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  if (!r.title.isEmpty()) dialog->setWindowTitle(r.title);
  if (r.open) {
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode((r.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
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

std::optional<QString> ShowFileDialogWindow(const FileDialogRequest& request) {
  std::unique_ptr<QFileDialog> dialog = CreateFileDialog(request, QApplication::activeWindow());
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
  return files.first();
}

}  // namespace platform
