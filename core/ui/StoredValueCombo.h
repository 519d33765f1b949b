#pragma once
// A list that must show a stored value none of its regular entries has gets
// one extra entry at its end carrying that value, so that saving the form
// keeps the value instead of replacing it by whatever the list showed.
#include <QString>
#include <QVariant>

class QComboBox;

// Entries before the extra one.
int RegularEntryCount(const QComboBox* list);
bool IsStoredValueEntry(const QComboBox* list, int index);

// Selects a regular entry and drops the extra one.
void SelectRegularEntry(QComboBox* list, int index);
// Shows the value in the extra entry (made when missing) and selects it.
void SelectStoredValueEntry(QComboBox* list, const QString& text, const QVariant& value);

// The first regular entry whose item data equals value, -1 when none.
int FindRegularEntryWithData(const QComboBox* list, const QVariant& value);

// For lists whose position is the setting: selects position value, or the
// extra entry when the value is not a position of the list.
void SelectPositionOrStored(QComboBox* list, int value);
// The setting such a list shows: the position, or the extra entry's value.
int PositionOrStoredValue(const QComboBox* list);
