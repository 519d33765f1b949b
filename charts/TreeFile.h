#pragma once
// The tree chart's data file: an option-line text file in code page 932 that
// holds the title, the item lines and the remark lines. The print options
// are not kept in it.
#include <QByteArray>
#include <QString>

struct TreeDocument {
  QString title;
  QString items;    // lines joined with CR LF
  QString remarks;  // lines joined with CR LF
};

// Files larger than this are refused rather than loaded into the text boxes.
constexpr qint64 kTreeFileSizeLimit = 10 * 1024 * 1024;

// The file's bytes: "@TITLE=", "@CSV=", the items ending with CR LF, one
// "@BIKO=" line per remark line, and a final CR LF.
QByteArray TreeFileBytes(const TreeDocument& doc);

// The document held in a file's bytes. The title stays as given when the
// file names none. Each item line comes back with a CR LF after it and the
// remark lines with CR LF between them, so that writing what was read gives
// the same bytes again.
void ParseTreeFile(const QByteArray& content, TreeDocument& doc);

// Reads the file into doc; on failure (missing, unreadable, too large) the
// user is told and false is returned with doc unchanged.
bool ReadTreeFile(const QString& path, TreeDocument& doc);
