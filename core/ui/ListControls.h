#pragma once
// Filling a list from code runs none of its change handlers and leaves it
// without a selection, as a newly filled list is; selecting an item then
// runs the handler once.
#include <QStringList>

class QComboBox;
class QListWidget;

void RefillList(QComboBox* list, const QStringList& items);
void RefillList(QListWidget* list, const QStringList& items);
