#pragma once
// The mail list "jxsender.htm" that the mail add-in shows: the entries with a
// mail address in file order, grouped under the first character of their
// reading, each a mail link with its web page and category.
#include <QString>
#include <QStringList>

// The page for the address file's lines (header first), lines joined as the
// file holds them. The category is taken and not applied.
QString MailListHtmlText(const QStringList& fileLines, const QString& category);

// Writes the page to "jxsender.htm" in the program folder, code page 932,
// replacing the file whole; false after a message on failure.
bool WriteMailListHtml(const QStringList& fileLines, const QString& category);
