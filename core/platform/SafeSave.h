#pragma once
// Files are never rewritten in place: the new content is written completely to
// a temporary file beside the old one, which then replaces it in one step.
#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file with the content; false (old file untouched) on failure,
// with a reason in *error when given.
bool SaveFileAtomically(const QString& path, const QByteArray& content, QString* error = nullptr);

// As SaveFileAtomically, and a failure is shown to the user in a message box.
bool SaveFileOrReport(const QString& path, const QByteArray& content);

// Copies a file the same way (the target replaced atomically).
bool CopyFileAtomically(const QString& from, const QString& to, QString* error = nullptr);

}  // namespace platform
