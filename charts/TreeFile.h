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

// The file's text: "@TITLE=", "@CSV=", the items ending with CR LF, one
// "@BIKO=" line per remark line, and a final CR LF.
QString TreeFileText(const TreeDocument& doc);
// The same as code page 932 bytes.
QByteArray WriteTreeFile(const TreeDocument& doc);

// The document held in a file's bytes; untitled is its title when the file
// names none. Each item line comes back with a CR LF after it and the
// remark lines with CR LF between them, so that writing what was read gives
// the same bytes again.
TreeDocument ReadTreeFile(const QByteArray& bytes, const QString& untitled = QString());
