#pragma once
// What the two search dialogs share with the windows that search: the key of
// the one-line search, where that dialog opens, and the dialogs' answer.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

// The key of SearchDialog; it carries over between searches and windows.
extern QString SearchKeyText;
// Where SearchDialog opens beside the main window: 0 near its left edge,
// 1 centred, 2 near its right edge, other values where the dialog lies.
extern int16_t SearchDialogPlacement;
// SearchDialog: -1 cancelled, 0 find from the start, 1 find next.
// FindDialog: -1 keys to be applied, 0 nothing to do.
extern int16_t SearchDialogResult;

// The key rows of FindDialog: row i reads txt_key1(i) かつ txt_key2(i).
using FindKeyRow = std::array<QString, 3>;

// Trims the rows from the first on until one holds a key, moving a lone
// second key into the first box of its row; rows after that one stay as they
// are. False when no row holds a key.
bool NormaliseFindKeyRows(FindKeyRow& key1, FindKeyRow& key2);

// Top-left of SearchDialog: vertically centred on the main window's frame,
// horizontally by placement (edge = the gap to the main window's edge),
// kept inside the screen's height. currentLeft is used for other placements.
QPoint SearchDialogPosition(const QRect& mainFrame, const QSize& dialogSize, int16_t placement,
                            int currentLeft, int edge, const QRect& screen);
