// The entry editor's buttons 表示, 追加, 更新 and 削除. Every change reads the
// file afresh, checks that the month list still names the lines it shows,
// and writes the whole file anew through the temporary copy.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include "ScheduleWindow.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/text/StringHelpers.h"
#include "schedule/EntryComposer.h"
#include "schedule/EntryPlacement.h"
#include "schedule/EntryShowing.h"
#include "schedule/EntrySuggestions.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleLine.h"
#include "schedule/ShownLineCheck.h"

namespace {

enum Button { ShowButton = 0, AddButton = 1, UpdateButton = 2, DeleteButton = 3 };

void Warn(const QString& text) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

const QString kSelectRow = QStringLiteral("一覧から項目を選択してください。");

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.first());
}

QList<MonthListRow> ShownRows(const ScheduleWindow& w) {
  QList<MonthListRow> rows;
  for (int i = 0; i < w.List1->count(); ++i) rows.append({w.List1->item(i)->text(), w.ListRowLineNumber(i)});
  return rows;
}

QList<int> RowNumbers(const ScheduleWindow& w) {
  QList<int> numbers;
  for (int i = 0; i < w.List1->count(); ++i) numbers << w.ListRowLineNumber(i);
  return numbers;
}

// A file that is gone reads as empty, so that an add creates it again.
bool ReadScheduleLines(ScheduleWindow& w, QStringList& lines) {
  lines.clear();
  if (!QFile::exists(w.ScheduleFileLocalPath())) return true;
  return w.ReadShownScheduleFile(lines);
}

bool ListMatchesFile(const ScheduleWindow& w, const QStringList& lines) {
  const MonthListOptions options{w.Chk_dispday->isChecked(), w.DesignHasTimes, w.Options.OptDetailEntries};
  return MonthListIsCurrent(ShownRows(w), lines, w.Cmb_Nen->currentText(), w.Cmb_Tuki->currentText(), options);
}

// Rebuilds a list that no longer matches the file, and says so.
void ReportStaleList(ScheduleWindow& w) {
  w.RefreshScheduleList();
  Warn(StaleListMessage());
}

bool ListIsCurrent(ScheduleWindow& w, const QStringList& lines) {
  if (ListMatchesFile(w, lines)) return true;
  ReportStaleList(w);
  return false;
}

// The list rebuilt after a change, with the row at the same place selected
// and scrolled to the top.
void RefreshAfterChange(ScheduleWindow& w) {
  const int remembered = SelectedRow(w.List1);
  w.RefreshScheduleList();
  const int count = w.List1->count();
  if (count > 0 && remembered >= 0) {
    const int row = remembered >= count ? count - 1 : remembered;
    w.List1->setCurrentRow(row);
    w.List1->scrollToItem(w.List1->item(row), QAbstractItemView::PositionAtTop);
  }
  w.ShownLineNumber = 0;
  w.ShownLine.clear();
}

// The kinds equal to the row's are selected in turn; each selection runs
// the kind handler, which refills the suggestions before the text is set.
void SelectKindOf(ScheduleWindow& w, const QString& row) {
  const QString kind = row.mid(11, 2);
  w.Cmb_yasumi->setCurrentIndex(0);
  for (int i = 0; i < w.Cmb_yasumi->count(); ++i)
    if (w.Cmb_yasumi->itemText(i) == kind) w.Cmb_yasumi->setCurrentIndex(i);
}

// The text comes from the file's line, not from the row, which may carry
// the anniversary count that the list appends.
void ShowEntry(ScheduleWindow& w) {
  const int row = SelectedRow(w.List1);
  if (row < 0) return Warn(kSelectRow);
  const QString rowText = w.List1->item(row)->text();
  const int number = w.ListRowLineNumber(row);
  QString line;
  if (number > 0) {
    QStringList lines;
    if (!ReadScheduleLines(w, lines) || !ListIsCurrent(w, lines)) return;
    line = lines.at(number - 1);
  }
  const QString text = ScheduleLine(line).text();
  // The text box holds only so much; a longer entry put there would be cut
  // short without a word and written back so by "更新". The entry stays
  // whole in the file, and the user learns why it is not shown.
  const int limit = w.Cmb_naiyou->lineEdit() ? w.Cmb_naiyou->lineEdit()->maxLength() : 32767;
  if (text.size() > limit)
    return Warn(QStringLiteral("この予定は%1文字あり、入力欄に入る%2文字を超えるため表示できません。\r\n"
                               "ファイルの内容はそのまま残っています。")
                    .arg(text.size())
                    .arg(limit));

  SelectKindOf(w, rowText);
  if (number > 0 && HasRuleDate(rowText)) {
    w.Cmb_naiyou->setEditText(text);
  } else {
    const int day = ShownDayIndex(rowText);
    if (day >= 0) w.Cmb_Hi->setCurrentIndex(day);
    if (number == 0) {
      if (w.Cmb_naiyou->count() > 0) w.Cmb_naiyou->setCurrentIndex(0);
      w.Cmb_naiyou->setEditText(QString());
    } else {
      w.Cmb_naiyou->setEditText(ShownEntryText(text));
    }
    const int year = ShownYearIndex(rowText, w.Cmb_Nen->currentIndex());
    if (year >= 0) {
      w.Cmb_Nen->setCurrentIndex(year);
      // The day was chosen while the shown year was still selected, which
      // turns the 29th of February of a leap year into the 28th; in the
      // row's own year the day exists again.
      if (day >= 0) w.Cmb_Hi->setCurrentIndex(day);
      platform::ShowMessage(QStringLiteral("表示中の年を変えました"), platform::MsgButtons::Ok,
                            platform::MsgIcon::Information);
    }
  }
  w.ShownLineNumber = number;
  w.ShownLine = line;
}

// An added text that the suggestions lack joins them, right after the
// first item; the list lives as long as the window.
void RememberSuggestion(ScheduleWindow& w, const QString& text) {
  QStringList items;
  for (int i = 0; i < w.Cmb_naiyou->count(); ++i) items << w.Cmb_naiyou->itemText(i);
  const int at = NewSuggestionPosition(items, text);
  if (at < 0) return;
  const QString shown = w.Cmb_naiyou->currentText();
  w.Cmb_naiyou->insertItem(at, text);
  w.Cmb_naiyou->setEditText(shown);
}

// An update takes out the shown line and puts the new one in, in one
// rewrite: the entry is never lost between the two. The checks run on the
// file as read under its lock, so an entry another program added meanwhile
// is kept; their messages wait until the lock is let go.
void WriteEntry(ScheduleWindow& w, const EntryFields& fields, bool update) {
  const QString refusal = EntryRefusal(fields, update, w.ShownLineNumber);
  if (!refusal.isEmpty()) return Warn(refusal);
  if (!w.ScheduleFileWritable() || !platform::CheckSavableText(fields.text)) return;
  const int anchor = PlacementAnchor(RowNumbers(w), SelectedRow(w.List1));
  enum class Stale { No, ShownLine, List } stale = Stale::No;
  const bool written = ScheduleFile::Rewrite(w.ScheduleFileLocalPath(), [&](QStringList& lines) {
    if (update) {
      if (!ShownLineIsIntact(lines, w.ShownLineNumber, w.ShownLine)) {
        stale = Stale::ShownLine;
        return false;
      }
      if (!ListMatchesFile(w, lines)) {
        stale = Stale::List;
        return false;
      }
      lines = WithoutLine(lines, w.ShownLineNumber);
    }
    lines = WithLineInserted(lines, ComposeEntryLine(fields), anchor);
    return true;
  });
  if (stale == Stale::ShownLine) {
    w.ShownLineNumber = 0;
    w.ShownLine.clear();
    w.RefreshScheduleList();
    return Warn(StaleListMessage());
  }
  if (stale == Stale::List) return ReportStaleList(w);
  if (!written) return;
  RememberSuggestion(w, fields.text);
  RefreshAfterChange(w);
}

// The file is read again after the question, under its lock: what is
// written must be the file as it stands then, less the one line.
void DeleteEntry(ScheduleWindow& w) {
  const int row = SelectedRow(w.List1);
  if (row < 0) return Warn(kSelectRow);
  const int number = w.ListRowLineNumber(row);
  if (number <= 0) return Warn(QStringLiteral("日付の行は削除できません。"));
  if (!w.ScheduleFileWritable()) return;
  QStringList lines;
  if (!ReadScheduleLines(w, lines) || !ListIsCurrent(w, lines)) return;
  if (platform::ShowMessage(QStringLiteral("一覧で選択された項目を削除します。"), platform::MsgButtons::OkCancel,
                            platform::MsgIcon::Exclamation) != platform::MsgResult::Ok)
    return;
  bool stale = false;
  const bool written = ScheduleFile::Rewrite(w.ScheduleFileLocalPath(), [&](QStringList& current) {
    stale = !ListMatchesFile(w, current);
    if (stale) return false;
    current = WithoutLine(current, number);
    return true;
  });
  if (stale) return ReportStaleList(w);
  if (written) RefreshAfterChange(w);
}

}  // namespace

void ScheduleWindow::cmd_update_click(int Index) {
  BeginBusy(this);
  const EntryFields fields{Cmb_Nen->currentText(), Cmb_Tuki->currentText(), Cmb_Hi->currentText(),
                           Cmb_yasumi->currentText(), WithoutTrailingBlanks(Cmb_naiyou->currentText())};
  switch (Index) {
    case ShowButton: ShowEntry(*this); break;
    case AddButton: WriteEntry(*this, fields, false); break;
    case UpdateButton: WriteEntry(*this, fields, true); break;
    case DeleteButton: DeleteEntry(*this); break;
    default: break;
  }
  EndBusy(this);
  List1->setFocus();
}
