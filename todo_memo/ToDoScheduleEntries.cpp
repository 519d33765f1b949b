#include "ToDoScheduleEntries.h"

#include "ToDoLine.h"
#include "core/text/StringHelpers.h"
#include "schedule/EntryKind.h"
#include "schedule/ScheduleFile.h"

namespace todo {

QString ScheduleKindOfImportance(const QString& line) {
  const QChar importance = line.size() > 1 ? line[1] : QChar(u' ');
  if (importance == u'A') return QStringLiteral("赤　");
  if (importance == u'B') return QStringLiteral("黄　");
  if (importance == u'C') return QStringLiteral("青　");
  return EntryKind::Plain;
}

QString BeforeFirstTab(const QString& line) {
  const qsizetype tab = line.indexOf(kTab);
  return tab < 0 ? line : line.left(tab);
}

QString ItemTextOf(const QString& line) { return TrimBlanks(line.mid(2)); }

QString DropQuestion(const QDate& date, bool toDoItem, const QString& text) {
  return u'[' + DateText(date) + (toDoItem ? QStringLiteral("]の予定に") : QStringLiteral("]に")) +
         QStringLiteral("\n「") + text + QStringLiteral("」を追加します");
}

QString DayListEntryText(const QString& line) { return line.left(2) + u':' + ItemTextOf(line); }

QString MascotDayListText(const QString& mascotText) { return QStringLiteral("□ :") + mascotText; }

QString RedatedItem(const QString& line, const QDate& date) {
  return BeforeFirstTab(line) + kTab + DateText(date);
}

qsizetype InsertInScheduleOrder(QStringList& lines, const QString& newLine) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (WithoutTrailingBlanks(lines[i]) > newLine) {
      lines.insert(i, newLine);
      return i;
    }
  }
  lines.append(newLine);
  return lines.size() - 1;
}

DayMail DayMailOf(const QDate& date, const QStringList& entries) {
  DayMail mail;
  mail.subject = DateText(date) + QStringLiteral("の予定");
  // Every item, the last one too, ends with its line break, so that text
  // the user types below the list in the mail starts on a line of its own.
  for (const QString& entry : entries) {
    mail.body += TrimBlanks(entry) + QStringLiteral("\r\n");
    mail.clipboardText += entry + QStringLiteral("\r\n");
  }
  return mail;
}

QString DoneExportLine(const QString& line, QChar doneMark, const QDate& today) {
  return DateText(today) + u',' + EntryKind::Plain + u',' + doneMark + ItemTextOf(line);
}

FinishedItems TakeFinishedItems(const ToDoList& list, QChar doneMark, const QDate& today) {
  FinishedItems items;
  for (int i = 0; i < list.size(); ++i) {
    if (list.texts[i].startsWith(doneMark))
      items.exported << DoneExportLine(list.texts[i], doneMark, today);
    else
      items.kept.append(list.texts[i], items.kept.size());
  }
  return items;
}

bool AddScheduleLine(const QString& path, const QString& line, AddedScheduleLine* added) {
  AddedScheduleLine made{path, line};
  const bool written = ScheduleFile::Rewrite(path, [&](QStringList& lines) {
    made.at = InsertInScheduleOrder(lines, line);
    made.copies = lines.count(line);
    return true;
  });
  if (written && added) *added = made;
  return written;
}

bool TakeScheduleLineBack(const AddedScheduleLine& added) {
  return ScheduleFile::Rewrite(added.path, [&added](QStringList& lines) {
    if (lines.count(added.line) < added.copies) return false;
    lines.removeAt(lines.value(added.at) == added.line ? added.at : lines.indexOf(added.line));
    return true;
  });
}

}  // namespace todo
