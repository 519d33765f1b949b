#pragma once
// The Tab key's walk over a window's fields as the eye reads them: top to
// bottom, and left to right along a row.
#include <QList>

class QWidget;

// The visible fields of the window that Tab stops at, in reading order. A
// field is in the row above another when it begins above that field's
// middle.
QList<QWidget*> VisualTabStops(QWidget* window);

// The first of those fields that takes input now; nullptr when none does.
QWidget* FirstTabStop(QWidget* window);

// Chains the window's fields in that order. Multi-line boxes pass Tab on
// as every other field does, so that the walk never ends in one.
void ApplyVisualTabOrder(QWidget* window);
