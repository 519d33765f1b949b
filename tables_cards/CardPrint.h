#pragma once
// Card pages: every record of the card file as a card of equal height down
// the body of an organiser page, and the order of the card pages on the
// sheets of the three side layouts.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "CardFile.h"

// What one print job reads once and every card page uses.
struct CardJob {
  QString title;
  bool withNames = false;  // "name:" before each value
  double cardHeight = 0;   // layout millimetres
  QStringList columnNames;  // by 1-based header field number - 1
  // The place of each header field (by field number - 1), when placed.
  std::vector<std::optional<CardPoint>> places;
  QStringList records;
  // The index in records of the last card drawn so far, -1 before any.
  mutable qsizetype lastPrinted = -1;
  // "<number>件目のカード「<first value>」" of lastPrinted.
  QString LastPrintedName() const;
  // The columns (by field number - 1, in the order met) whose value ran
  // past the card's right edge on the cards drawn so far, and the index in
  // records of the first card where one did, -1 while none has.
  mutable std::vector<int> overrunColumns;
  mutable qsizetype firstOverrun = -1;

  // Records and header from the file's content; the places come from the
  // window's list, matched by each column's header field number.
  void Load(const QByteArray& content, const std::vector<CardColumn>& columns);
  // Cards per page on a span of the given width; 0 when none fits.
  int CardsPerPage(double spanWidth) const;
};

// Draws card page `page` (1-based) between left and right; true when the
// records end on this page or before it.
bool PrintCardSheet(int page, double left, double right, const CardJob& job);

// After a job: "カードの右端からはみ出した項目: " and the names of the
// overrun columns joined by "、", then the first card where one ran past;
// "" when every value stayed on its card.
QString CardOverrunNotice(const CardJob& job);

// The message of a job that cannot print, "" when it can.
QString CardJobRefusal(const CardJob& job, double spanWidth);

// Runs the page loop of a side layout (0 表裏交互, 1 裏表交互, 2 Ａ４両面) on the
// open print job. True when the job ended at the page limit with cards
// still to print.
bool RunCardPages(int sideLayout, const CardJob& job);
// The sheets RunCardPages prints for a side layout, card page numbers as the
// items (states the width two pages take across a side, then measures).
struct SheetPlan;
SheetPlan PlanCardPages(int sideLayout);
