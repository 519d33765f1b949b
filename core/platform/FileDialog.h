#pragma once
// The open and save dialogs of every page window. ShowFileDialog asks the
// handler that a test installed, else shows the program's file dialog window
// (Qt's, installed by the window layer at start-up: core/ui/FileDialogWindow).
// Without either (a program built of the model libraries only), a line on
// standard error says what was asked, and the dialog counts as cancelled.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

// Flag values of the Windows file dialog; callers and the flags handed back
// use these numbers, which page windows keep in their settings.
constexpr int32_t OFN_READONLY = 0x1;
constexpr int32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr int32_t OFN_HIDEREADONLY = 0x4;
constexpr int32_t OFN_NOCHANGEDIR = 0x8;
constexpr int32_t OFN_EXTENSIONDIFFERENT = 0x400;
constexpr int32_t OFN_PATHMUSTEXIST = 0x800;
constexpr int32_t OFN_FILEMUSTEXIST = 0x1000;
// Only existing files can be opened, the current folder stays, no read-only box.
constexpr int32_t kDefaultFileDialogFlags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;

// What the dialog is asked to show, after the defaults have been applied.
struct FileDialogRequest {
  bool open = true;              // false: the save dialog
  int32_t flags = kDefaultFileDialogFlags;
  QString folder;                // start folder, "/" separators
  QString fileName;              // initial name ("" when the caller gave a folder)
  QString title;
  QString filter;                // the caller's filter text
  QStringList nameFilters;       // the same as Qt name filters
  int filterIndex = 1;           // 1 = the first filter
  QString defaultExtension;      // without the point
};

// A handler stands in for the dialog: it gets the request and returns the
// chosen full path, or nothing when "the user" cancels.
using FileDialogHandler = std::function<std::optional<QString>(const FileDialogRequest&)>;
// Installs a handler in place of the real dialog; an empty handler restores it.
void SetFileDialogHandler(FileDialogHandler handler);
// The window that shows the dialog when no handler is installed; returns the
// one it replaces.
FileDialogHandler UseFileDialogWindow(FileDialogHandler window);

// The request that ShowFileDialog makes of its arguments.
FileDialogRequest MakeFileDialogRequest(bool open, int32_t flags, const QString& folder,
                                        const QString& fileName, const QString& title,
                                        const QString& filter, int filterIndex,
                                        const QString& defaultExtension);

// Said when the chosen file's name holds a line break or a "\", which the
// settings file cannot keep as they are; the choice is then cancelled.
QString UnusableFileNameMessage(const QString& path);

}  // namespace platform

// Shows the open dialog (open true) or the save dialog and returns the chosen
// full path, "" when cancelled. flags may be null or point to 0 for the
// default flags; after a confirmed dialog it receives the flags in force, with
// OFN_EXTENSIONDIFFERENT when the chosen name's extension is not the default
// one. Without OFN_NOCHANGEDIR the chosen file's folder becomes the current
// folder, as the page windows expect of a file dialog.
QString ShowFileDialog(bool open, int32_t* flags, const QString& folder, const QString& fileName,
                       const QString& title, const QString& filter, int16_t filterIndex,
                       const QString& defaultExtension);
