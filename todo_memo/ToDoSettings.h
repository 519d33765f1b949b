#pragma once
// What the to-do window keeps in section VIDAZU of the settings file: the
// current to-do file, ten recent-file slots, the export file, the status
// marks, and the options of the printed page.
#include <QString>
#include <QStringList>

namespace todo {

inline const QString kToDoSection = QStringLiteral("VIDAZU");
inline const QString kDefaultToDoFile = QStringLiteral("VIDAZU.txt");
constexpr int kRecentSlotCount = 10;

// "FILE0" .. "FILE9".
QString RecentSlotKey(int slot);
// The slots' values, each slot given its default when empty.
QStringList EnsureRecentSlots();

// A stored file name without a folder names a file in the program folder;
// "\" and "/" both separate folders.
QString InProgramFolder(const QString& stored);
// The path to open for a path as stored (folders may be separated by "\").
QString LocalPath(const QString& path);
// True when the two stored paths name the same file name, letter case
// ignored and "\" and "/" alike, as the slots have always been compared.
bool SameStoredPath(const QString& first, const QString& second);

// The slot that names the file: the last that matches, 0 when none does.
int SlotOfFile(const QStringList& recent, const QString& path);

// The status marks (SUMI); the defaults "□■", with the sample ";SUMI"
// "□着待■", are written when it is empty.
QString EnsureStatusMarks();
// The marks followed by their first mark, so that the last mark leads back
// to the first.
QString StatusMarkCycleOf(const QString& marks);
// The mark of a finished item: the last of the marks.
QChar DoneMarkOf(const QString& statusMarkCycle);

// The rows per printed page as stored (GYOSU): 7 to 40, else "20".
QString RowsPerPageText(const QString& stored);

// The twelve lines of the to-do file made on the first start; the last
// names where the help is (the version box's home page address).
QStringList ToDoSampleLines(const QString& homePage);

}  // namespace todo
