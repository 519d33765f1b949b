#pragma once
// The table window's file: option lines, the table as CSV lines, then one
// "@BIKO=" line per remark line, code page 932 with CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "TableOptions.h"

// The file's bytes for the options.
QByteArray TableFileContent(const TableOptions& options);

// Applies decoded file lines to options that the caller has already reset
// (template 0). Values outside a control's range leave that control alone.
void ApplyTableFileLines(const QStringList& lines, TableOptions& options);

// Files larger than this are refused rather than read into the window.
constexpr qint64 kTableFileMaxBytes = 10 * 1024 * 1024;

// Reads the file's lines; false with the message to show when it is too
// large or cannot be read.
bool ReadTableFileLines(const QString& path, QStringList& lines, QString& message);

// A whole read as the window makes it: the file is read first, so that a
// failure leaves the options as they were; then template 0, the title from
// the stored path less ".csv", and the file's lines.
bool LoadTableFile(const QString& path, const QString& storedPath, TableOptions& options, bool superOrganiserMode,
                   QString& message);

// The message box text of the window's help button.
QString TableHelpText();
