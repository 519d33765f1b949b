#pragma once
// One printed memo page: frame, the title in the header of page 1, the body
// lines of the page with the memo markup ("@PAGE", "@TITLE=", "@LINE",
// dash rules, "@TABLE" blocks, sub-headings) and the footer with date, time
// and page number. Every page scans the body from its start, so pages come
// out the same in whatever order a layout draws them.
#include <QString>
#include <cstdint>

struct MemoPageOptions {
  QString title;
  QString body;               // lines ended by CR LF
  bool turned = false;        // "横向": lines run up the page
  bool dateInFooter = false;  // "日付"
  bool pageInFooter = false;  // "頁"
  int linesPerPage = 0;
  QString subtitleMarks;
};

// Draws page (from 1) between the x edges left and right; true when the
// body ended on or before this page.
bool DrawMemoPage(const MemoPageOptions& options, int page, double left, double right);
