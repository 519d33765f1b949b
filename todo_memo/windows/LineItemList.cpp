#include "LineItemList.h"

#include <QAbstractListModel>

class LineItemList::Entries : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  QStringList texts;
  QList<int> lines;

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(texts.size()); }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= texts.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return texts.at(index.row());
    if (role == ItemDataRole) return lines.at(index.row());
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
  }
  void replace(const QStringList& newTexts, const QList<int>& newLines) {
    if (newTexts.size() == texts.size() && !texts.isEmpty()) {
      texts = newTexts;
      lines = newLines;
      emit dataChanged(index(0), index(int(texts.size()) - 1));
      return;
    }
    beginResetModel();
    texts = newTexts;
    lines = newLines;
    endResetModel();
  }
};

LineItemList::LineItemList(QWidget* parent) : QListView(parent), entries_(new Entries(this)) {
  setModel(entries_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int LineItemList::count() const { return int(entries_->texts.size()); }

QString LineItemList::text(int row) const { return entries_->texts.value(row); }

const QStringList& LineItemList::texts() const { return entries_->texts; }

const QList<int>& LineItemList::itemData() const { return entries_->lines; }

void LineItemList::setEntries(const QStringList& texts, const QList<int>& itemData) {
  entries_->replace(texts, itemData);
}

void LineItemList::clear() { entries_->replace({}, {}); }

int LineItemList::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void LineItemList::setCurrentRow(int row, QItemSelectionModel::SelectionFlags command) {
  selectionModel()->setCurrentIndex(entries_->index(row), command);
}

bool LineItemList::isRowSelected(int row) const { return selectionModel()->isSelected(entries_->index(row)); }

void LineItemList::setRowSelected(int row, bool selected) {
  selectionModel()->select(entries_->index(row),
                           selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

int LineItemList::selectedRowCount() const {
  int n = 0;
  for (const QItemSelectionRange& range : selectionModel()->selection()) n += range.height();
  return n;
}
