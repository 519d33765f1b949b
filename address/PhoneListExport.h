#pragma once
// The phone list that the mail add-in reads from the clipboard: a title
// line, then for each entry with a mail address and a telephone number its
// name and its numbers as digits ("TEL:0312345678"), CR LF after every line.
#include <QString>
#include <QStringList>

// The list is kept small: no further entry starts once it holds this many
// code page 932 bytes.
constexpr int kPhoneListByteLimit = 20000;

// From the address file's lines (header first). onlyFrequent keeps to the
// entries marked "よく使う". The category is taken and not applied: the add-in
// gets the whole book.
QString BuildPhoneListText(const QStringList& fileLines, const QString& category, bool onlyFrequent);
