#pragma once
// The to-do list as the window shows it, taken out of its list box so that
// the editing operations can be worked out and tested without a window:
// each entry's text, the file line it came from (its item data), whether it
// is selected, and the current entry. Every change keeps the file order in
// the item data, whatever order the list shows.
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace todo {

struct ToDoList {
  QStringList texts;
  QList<int> itemData;
  QList<bool> selected;
  int current = -1;  // -1: no current entry

  int size() const { return static_cast<int>(texts.size()); }
  bool hasCurrent() const { return current >= 0 && current < size(); }
  // Appends an entry, unselected.
  void append(const QString& text, int data);
};

// The to-do file is its lines of text, code page 932, CR LF after each; the
// bytes and the lines they hold. A final line end makes no extra empty line.
// The window reads the file in one checked pass and takes its lines from here,
// a piece of whole lines at a time (platform::ReadTextLinesWith). Every change
// goes through the shared rewrite cycle (DataFiles.h), which writes the bytes
// WriteToDoFile gives except that a line nobody edited keeps the bytes it had,
// foreign ones included: a value of lines alone cannot carry them.
QStringList ReadToDoFile(const QByteArray& bytes);
QByteArray WriteToDoFile(const QStringList& lines);

// The entries of a file in file order, item data 0, 1, 2, ...
ToDoList ListOfLines(const QStringList& lines);

// "追加": inserts the new line after the current entry (first when none is
// current, or the list is empty), renumbers every entry's item data by its
// position and makes the new entry the only selected one and current.
void AddItem(ToDoList& list, const QString& line);

// "↑" and "↓": every selected entry changes places with its neighbour, a
// selected block moving as a whole; item data stays with the positions.
// True when anything moved.
bool MoveSelectedUp(ToDoList& list);
bool MoveSelectedDown(ToDoList& list);

// Applies a change to every selected entry; true when any entry changed.
template <typename Change>
bool ChangeSelected(ToDoList& list, Change change) {
  bool changed = false;
  for (int i = 0; i < list.size(); ++i) {
    if (!list.selected[i]) continue;
    QString next = change(list.texts[i]);
    if (next != list.texts[i]) {
      list.texts[i] = next;
      changed = true;
    }
  }
  return changed;
}

// Removes the entry at the position; the entry then at that position (or
// the last one) becomes current and the only selected entry.
void RemoveItem(ToDoList& list, int position);

// The texts in file order, by ascending item data. Should two entries ever
// share a value, only the one lowest in the list is written.
QStringList LinesInFileOrder(const ToDoList& list);

// Where "追加" puts its line in the file as it stands now (now), when the
// list was built from the lines seen: after the line the current entry
// showed (anchorLine, its index among the seen lines; -1 for none, which
// puts the line first). When another writer changed the file since, the
// anchor is looked for by its text, the copy nearest its old place winning;
// the line goes before the anchor's old follower when the anchor is gone,
// else in the anchor's old place, within the file.
int AddPositionInFile(const QStringList& now, const QStringList& seen, int anchorLine);

// A change of the list (before, taken from the seen lines, to after, the
// entries keeping their item data) made on the file as it stands now: the
// file becomes after's lines when it still holds the seen lines; otherwise
// each entry that the change rewrote or removed is looked for by the text
// it showed, the copy nearest its old place winning, and changed there, so
// that the other writer's lines stay. False, now untouched, when such a line
// is no longer there as the list showed it.
bool ApplyListChange(const ToDoList& before, const ToDoList& after, const QStringList& seen, QStringList& now);

}  // namespace todo
