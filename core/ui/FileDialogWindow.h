#pragma once
// Qt's file dialog behind platform::ShowFileDialog.
#include <QString>
#include <memory>
#include <optional>

#include "core/platform/FileDialog.h"

class QFileDialog;
class QWidget;

namespace platform {

// Qt's dialog set up for a request, not yet shown.
std::unique_ptr<QFileDialog> CreateFileDialog(const FileDialogRequest& request, QWidget* parent);

// Shows the dialog for the request over the active window: the chosen full
// path, or nothing when the user cancelled.
std::optional<QString> ShowFileDialogWindow(const FileDialogRequest& request);

}  // namespace platform
