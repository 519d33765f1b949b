#pragma once
// The schedule window opened in a fresh program folder, with helpers that
// drive the entry editor through its controls.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "core/platform/Codec.h"
#include "schedule/EntryKind.h"
#include "schedule/ScheduleFile.h"
#include "tests/schedwin/ScheduleWindowTest.h"

class EditorWindowTest : public ScheduleWindowTest {
 protected:
  static constexpr int kShow = 0, kAdd = 1, kUpdate = 2, kDelete = 3;

  QString schedulePath() const { return homeFile(QStringLiteral("diduvuv.txt")); }
  void WriteLines(const QStringList& lines) {
    if (lines.isEmpty()) WriteBytes(schedulePath(), QByteArray());
    else WriteSchedule(QStringLiteral("diduvuv.txt"), lines);
  }
  QStringList FileLines() const {
    QStringList lines;
    ScheduleFile::ReadLines(schedulePath(), lines);
    return lines;
  }

  static void SelectDate(ScheduleWindow& w, int year, int month, int day) {
    w.Cmb_Nen->setCurrentIndex(year - 1900);
    w.Cmb_Tuki->setCurrentIndex(month - 1);
    w.Cmb_Hi->setCurrentIndex(day - 1);
  }
  // The kind as the user picks it, then the text typed over what the kind
  // put into the box.
  static void Enter(ScheduleWindow& w, const QString& kind, const QString& text) {
    w.Cmb_yasumi->setCurrentIndex(w.Cmb_yasumi->findText(kind));
    w.Cmb_naiyou->setEditText(text);
  }
  static void Press(ScheduleWindow& w, int button) { w.Cmd_Update[button]->click(); }

  static QStringList Rows(const ScheduleWindow& w) {
    QStringList rows;
    for (int i = 0; i < w.List1->count(); ++i) rows << w.List1->item(i)->text();
    return rows;
  }
  // Selects the first row whose text contains the fragment.
  static void SelectRow(ScheduleWindow& w, const QString& fragment) {
    for (int i = 0; i < w.List1->count(); ++i) {
      if (w.List1->item(i)->text().contains(fragment)) {
        w.List1->setCurrentRow(i);
        return;
      }
    }
    ADD_FAILURE() << "no row with " << fragment.toStdString();
  }
  static QStringList Suggestions(const ScheduleWindow& w) {
    QStringList items;
    for (int i = 0; i < w.Cmb_naiyou->count(); ++i) items << w.Cmb_naiyou->itemText(i);
    return items;
  }
};
