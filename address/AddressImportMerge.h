#pragma once
// Inserting many imported entries into the address file's lines at once, with
// the result that inserting them one by one would give: each entry goes
// before the first line whose key is greater than its own, unless a line
// with an equal key comes before that line, and then it is dropped. The
// file need not be sorted; lines that another program put out of order keep
// their places.
//
// Each line keeps the greatest key of the lines up to it (a prefix maximum).
// These never change as entries are inserted (an entry goes where they pass
// its key, so it becomes its own maximum and leaves the later ones above it),
// so the insertion point is found by bisection, and an equal line before it
// is the first line of that key whose maximum is that key itself.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class AddressRecord;

class AddressImportMerge {
 public:
  // The file's lines as bytes, the header first (added when missing).
  explicit AddressImportMerge(QList<QByteArray> lines);

  // False when an entry with the same key comes first and the entry is
  // dropped.
  bool insert(const AddressRecord& record);

  int insertedCount() const { return inserted_; }
  int droppedCount() const { return dropped_; }

  // The lines, header first; the merge is spent afterwards.
  QList<QByteArray> takeLines() { return std::move(lines_); }

 private:
  QList<QByteArray> lines_;
  QList<QString> maxima_;               // element i for lines_[i + 1]
  QHash<QString, QString> firstMaxima_;  // key -> maximum at its first line
  int inserted_ = 0;
  int dropped_ = 0;
};
