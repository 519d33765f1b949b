#pragma once
// The table window's file: option lines, the table as CSV lines, then one
// "@BIKO=" line per remark line, code page 932 with CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "TableOptions.h"

// The file's text for the options, lines ended with CR LF.
QString TableFileText(const TableOptions& options);
// The same as code page 932 bytes.
QByteArray WriteTableFile(const TableOptions& options);

// The options a file's bytes hold, read as the window reads a file: over
// the options it shows (before), template 0 first, then the title from the
// stored path less ".csv", then the file's lines. A value outside its
// control's range leaves that control as template 0 or before left it.
TableOptions ReadTableFile(const QByteArray& bytes, const TableOptions& before, const QString& storedPath,
                           bool superOrganiserMode);
