#pragma once
// A list box whose entries are texts each naming a line of a file: the
// to-do window's items and the memo window's index. A file of a million
// lines must open in a few times its own size, so the entries are kept as
// two plain lists (the texts, sharing the storage of the lines read from the
// file, and each entry's line number) behind a view, instead of an item
// object per entry with its own copy of every value, which cost several
// times the file.
#include <QItemSelectionModel>
#include <QList>
#include <QListView>
#include <QString>
#include <QStringList>

class LineItemList : public QListView {
  Q_OBJECT
 public:
  // The role that gives an entry's line number.
  static constexpr int ItemDataRole = Qt::UserRole;

  explicit LineItemList(QWidget* parent = nullptr);

  int count() const;
  QString text(int row) const;
  // The texts and line numbers of every entry, in the shown order.
  const QStringList& texts() const;
  const QList<int>& itemData() const;
  // Replaces every entry; an unchanged number of entries keeps the view's
  // selection and current entry, which the caller sets again anyway.
  void setEntries(const QStringList& texts, const QList<int>& itemData);
  void clear();

  // -1 when there is no current entry.
  int currentRow() const;
  void setCurrentRow(int row, QItemSelectionModel::SelectionFlags command = QItemSelectionModel::ClearAndSelect);
  bool isRowSelected(int row) const;
  void setRowSelected(int row, bool selected);
  int selectedRowCount() const;

 private:
  class Entries;
  Entries* entries_;
};
