#pragma once
// One printed to-do page: numbered rows with a check box, each item with its
// status mark, its importance as a colour and its level as indentation,
// optional level headings, an optional hour scale down the left quarter,
// the list's file name as title and the footer "To-Do / Don't Forget".
// Every page lays out the pages before it again from the first item, so
// pages come out the same in whatever order a side mode draws them.
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

struct ToDoPageOptions {
  QStringList items;          // the list's lines as shown
  int16_t HourScaleKind = 0;  // 0 none, 1 "8-20", 2 "8-24", 3 "8-翌8"
  QString RowsText;           // the rows-per-page box as typed
  bool PrintItems = true;     // "内容": off prints numbered empty rows only
  bool PrintDone = true;      // "済": off leaves finished items out
  bool ByLevel = false;       // "階層別": top-level items print as headings
  QString FileTitle;          // the recent-file list's text
  QChar DoneMark;
};

// Rows per page: the box's leading number rounded and held to 7 to 40; 30
// on the four-fold sizes.
int16_t ToDoRowsPerPage(const QString& rowsText, int16_t superOrganiserMode);

// The page title: the file name without a final ".TXT" in any case.
QString ToDoPageTitle(const QString& fileTitle);

// Draws page P (from 1) between the x edges a and b; true when the page
// reaches past the last item.
bool DrawToDoPage(const ToDoPageOptions& options, int P, double a, double b);
