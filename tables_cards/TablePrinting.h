#pragma once
// Where each table page lies on the sheets for the chosen side, and the
// order of pages, paper prompts and sheets.
#include <QString>
#include <cstdint>
#include <functional>

// Draws one table page between two x positions; 1 when it holds the end.
using TablePageRenderer = std::function<int16_t(int16_t page, double leftX, double rightX)>;

// Side positions of the side list.
constexpr int kTableSideA4Both = 4;
constexpr int kTableSideFolded = 7;
constexpr int kTableSideFourFold = 10008;

// At most this many passes (pages, or sheets in A4 booklet mode) per job.
constexpr int kTableMaxPasses = 1000;

// SuperOrganiserMode * 10000 + the side list position.
int TableSideCode(int16_t superOrganiserMode, int16_t side);

// Prints the pages for the side code through the print-job protocol (the
// caller shows the print dialog first and ends the document after). False
// when the code is one this page cannot print. stoppedAtLimit, when given,
// tells whether the job ended at kTableMaxPasses with lines still to print.
bool PrintTablePages(int sideCode, const TablePageRenderer& render, bool* stoppedAtLimit = nullptr);
// The sheets PrintTablePages prints for a side code, table page numbers as
// the items (no sheet for a code it cannot print); states the width two
// pages take across a side, then measures.
struct SheetPlan;
SheetPlan PlanTablePasses(int sideCode);

// What the user is told, once after the job, when a table or card job
// stopped at the page limit: lastPrinted names the last row or card printed.
QString PageLimitMessage(const QString& lastPrinted);

// "「<template>」の「<side>」は未対応です。"
QString TableUnsupportedSideMessage(const QString& templateName, const QString& side);
