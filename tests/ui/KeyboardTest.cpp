// The keyboard on the page windows: Tab and Shift+Tab walk every window's
// fields in reading order, Enter in a one-line entry box adds, and Escape
// never throws typed text away.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/platform/Codec.h"
#include "core/ui/VisualTabOrder.h"
#include "schedule/windows/ScheduleWindow.h"
#include "todo_memo/windows/LineItemList.h"
#include "todo_memo/windows/TodoWindow.h"

namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  PageWindow* showPage(const char* kind) {
    QString k = QString::fromLatin1(kind);
    window().ShowPageForm(k);
    QCoreApplication::processEvents();
    return window().ActivePageWindow();
  }
  void startShown() {
    Start();
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    messages().clear();  // the first start's version box
  }
  // The field that has the focus; a part of a combo box counts as the box.
  static QWidget* focusedField() {
    QWidget* w = QApplication::focusWidget();
    for (QWidget* p = w; p; p = p->parentWidget())
      if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p)) return p;
    return w;
  }
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  static QRect placeIn(QWidget* w, QWidget* page) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); }
  // A field as a failure message names it: its class, name and page.
  static std::string describe(QWidget* w) {
    if (!w) return "no field";
    QWidget* page = w;
    while (page && !qobject_cast<PageWindow*>(page)) page = page->parentWidget();
    return std::string(w->metaObject()->className()) + " '" + w->objectName().toStdString() + "' in '" +
           (page ? page->windowTitle().toStdString() : "no page") + "'";
  }
};

// A page chosen from the menu, by the mouse or by its Alt key, takes the
// focus on its first field, so that Tab walks on inside it instead of
// reaching into the page behind.
TEST_F(KeyboardTest, APageChosenFromTheMenuStartsOnItsFirstField) {
  struct Case {
    const char* kind;
    QAction* MainWindow::*item;
    Qt::Key altKey;  // none for the items of the special papers' submenu
  };
  // The to-do page, open at start, comes last, when its item is no longer greyed.
  const Case cases[] = {
      {"yotei", &MainWindow::mnu_frmCalender, Qt::Key_C},  {"tel", &MainWindow::mnu_frmTel, Qt::Key_J},
      {"memo", &MainWindow::mnu_frmMemo, Qt::Key_M},       {"table", &MainWindow::mnu_FrmTable, Qt::Key_H},
      {"picture", &MainWindow::mnu_FrmPicture, Qt::Key_P}, {"yousi", &MainWindow::mnu_FrmYousi, Qt::Key_Y},
      {"tree", &MainWindow::mnu_FrmTree, Qt::Key(0)},      {"gant", &MainWindow::mnu_FrmGant, Qt::Key(0)},
      {"csv", &MainWindow::mnu_FrmCsv, Qt::Key(0)},        {"action", &MainWindow::mnu_FrmAction, Qt::Key_A},
  };
  for (const bool byKey : {false, true}) {
    startShown();
    for (const Case& c : cases) {
      if (byKey && !c.altKey) continue;
      const std::string label = std::string(c.kind) + (byKey ? " by its Alt key" : " by the mouse");
      if (byKey)
        press(c.altKey, Qt::AltModifier);
      else
        (window().*c.item)->trigger();
      QCoreApplication::processEvents();
      PageWindow* page = window().LoadedPageWindow(QString::fromLatin1(c.kind));
      ASSERT_NE(page, nullptr) << label;
      ASSERT_EQ(window().ActivePageWindow(), page) << label;
      QList<QWidget*> fields;
      for (QWidget* w : VisualTabStops(page))
        if (w->isEnabled()) fields << w;
      ASSERT_GT(fields.size(), 1) << label;
      EXPECT_EQ(focusedField(), fields[0]) << label << ": " << describe(focusedField());
      const QStringList captions = VisibleFileCaptions();
      press(Qt::Key_Tab);
      EXPECT_EQ(window().ActivePageWindow(), page) << label;
      EXPECT_EQ(focusedField(), fields[1]) << label << ": " << describe(focusedField());
      EXPECT_TRUE(VisibleFileCaptions() == captions) << label << ": " << VisibleFileCaptions().join(u'|').toStdString();
    }
  }
}

TEST_F(KeyboardTest, TabWalksEveryPageWindowsFieldsInReadingOrderBothWays) {
  startShown();
  for (const char* kind : {"action", "yotei", "tel", "memo", "table", "picture", "yousi", "tree", "gant", "csv"}) {
    PageWindow* page = showPage(kind);
    ASSERT_NE(page, nullptr) << kind;
    QList<QWidget*> fields;
    for (QWidget* w : VisualTabStops(page))
      if (w->isEnabled()) fields << w;
    ASSERT_GT(fields.size(), 2) << kind;
    fields.first()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focusedField(), fields.first()) << kind;

    QList<QWidget*> forward{fields.first()};
    for (int i = 1; i < fields.size(); ++i) {
      press(Qt::Key_Tab);
      forward << focusedField();
    }
    // Every field once, and each next one below the last or to its right
    // on the same row: never back up the window.
    EXPECT_EQ(QSet<QWidget*>(forward.begin(), forward.end()), QSet<QWidget*>(fields.begin(), fields.end())) << kind;
    for (int i = 1; i < forward.size(); ++i) {
      const QRect a = placeIn(forward[i - 1], page);
      const QRect b = placeIn(forward[i], page);
      const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
      EXPECT_TRUE(b.top() > a.top() || (sameRow && b.left() > a.left()))
          << kind << ": " << forward[i - 1]->objectName().toStdString() << " (" << a.top() << "," << a.left()
          << ") then " << forward[i]->objectName().toStdString() << " (" << b.top() << "," << b.left() << ")";
    }
    // Shift+Tab goes back the same way.
    QList<QWidget*> back{focusedField()};
    for (int i = 1; i < fields.size(); ++i) {
      press(Qt::Key_Tab, Qt::ShiftModifier);
      back.prepend(focusedField());
    }
    EXPECT_EQ(back, forward) << kind;
  }
}

TEST_F(KeyboardTest, TabLeavesTheScheduleDesignListAndShiftTabComesBack) {
  startShown();
  auto* schedule = qobject_cast<ScheduleWindow*>(showPage("yotei"));
  ASSERT_NE(schedule, nullptr);
  const int design = schedule->Cmb_Type->currentRow();
  schedule->Cmb_Type->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), schedule->Cmb_Type);
  press(Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), schedule->Cmb_Type);
  EXPECT_TRUE(schedule->isAncestorOf(QApplication::focusWidget()));
  press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), schedule->Cmb_Type);
  EXPECT_EQ(schedule->Cmb_Type->currentRow(), design);
}

// Enter in the to-do item's text adds it, as the add button beside it does;
// Escape leaves what was typed.
TEST_F(KeyboardTest, EnterInTheToDoItemAddsItAndEscapeKeepsTheText) {
  startShown();
  auto* todo = qobject_cast<TodoWindow*>(showPage("action"));
  ASSERT_NE(todo, nullptr);
  const int before = todo->List2->count();
  todo->Txt_ToDoItem->setFocus();
  todo->Txt_ToDoItem->setText(QStringLiteral("牛乳を買う"));
  press(Qt::Key_Escape);
  EXPECT_EQ(todo->Txt_ToDoItem->text(), QStringLiteral("牛乳を買う"));
  EXPECT_EQ(window().ActivePageWindow(), todo);
  press(Qt::Key_Return);
  ASSERT_EQ(todo->List2->count(), before + 1);
  bool found = false;
  for (int i = 0; i < todo->List2->count(); ++i) found |= todo->List2->text(i).contains(QStringLiteral("牛乳を買う"));
  EXPECT_TRUE(found);
  // The date box's Enter adds as well.
  todo->Txt_ToDoItem->setText(QStringLiteral("電話する"));
  todo->txt_start->setFocus();
  press(Qt::Key_Enter);
  EXPECT_EQ(todo->List2->count(), before + 2);
  // In another display order the add button is off, and so is Enter.
  todo->cmb_sort->setCurrentIndex(1);
  messages().clear();
  todo->Txt_ToDoItem->setFocus();
  press(Qt::Key_Return);
  EXPECT_EQ(todo->List2->count(), before + 2);
}

TEST_F(KeyboardTest, EnterInTheScheduleEntryTextAddsTheEntryAndEscapeKeepsIt) {
  startShown();
  auto* schedule = qobject_cast<ScheduleWindow*>(showPage("yotei"));
  ASSERT_NE(schedule, nullptr);
  QLineEdit* text = schedule->Cmb_naiyou->lineEdit();
  ASSERT_NE(text, nullptr);
  text->setFocus();
  schedule->Cmb_naiyou->setEditText(QStringLiteral("歯医者"));
  press(Qt::Key_Escape);
  EXPECT_EQ(schedule->Cmb_naiyou->currentText(), QStringLiteral("歯医者"));
  press(Qt::Key_Return);
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join("\n").toStdString();
  EXPECT_TRUE(platform::FromSjis(ReadBytes(homeFile("diduvuv.txt"))).contains(QStringLiteral(",歯医者")));
}

}  // namespace
