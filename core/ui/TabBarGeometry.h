#pragma once
// Where the tabs of a drawn tab bar lie, in the bar's own units (pixels).
#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// A bar holds at most this many tabs; further captions are not shown.
constexpr int kMaxTabBarTabs = 10;

// The captions of a comma-separated caption text, at most kMaxTabBarTabs.
QStringList TabBarCaptions(const QString& captions);

// Width of one tab: the bar's width / the number of tabs, to the nearest
// whole unit (halves to even); 0 without tabs.
int TabBarTabWidth(int barWidth, int tabCount);

// Number (from 1) of the tab under x: the integer part of x / tab width,
// plus 1. Past the last tab this is tabCount + 1 (a rest at the right end);
// 0 when the bar has no tab of positive width.
int TabBarTabAt(int barWidth, int tabCount, int x);

// The drawing of the tab whose left edge is at x: a trapezoid of height h,
// narrow at the top, whose sides rise one unit across for four units up.
struct TabShape {
  QList<QLine> slants;  // vertical lines of the two slanted sides, top to y = h
  QRect body;           // the filled part between the slants
  QPoint caption;       // top-left of the caption
};
TabShape TabBarTabShape(int x, int tabWidth, int height);
