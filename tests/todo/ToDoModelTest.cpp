// The to-do line format, the editing operations on the list and the display
// orders, without a window.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>
#include <numeric>
#include <random>

#include "core/platform/Codec.h"

#include "todo_memo/ToDoLine.h"
#include "todo_memo/ToDoList.h"
#include "todo_memo/ToDoOrder.h"
#include "todo_memo/ToDoSettings.h"

using namespace todo;

namespace {

const QDate kToday(2009, 3, 10);

// Runs a line operation repeatedly and collects the character it changes.
template <typename Op>
QStringList Cycle(QString line, int times, int position, Op op) {
  QStringList seen{line.mid(position, 1)};
  for (int i = 0; i < times; ++i) {
    line = op(line);
    seen << line.mid(position, 1);
  }
  return seen;
}

ToDoList ListOf(std::initializer_list<const char*> texts) {
  QStringList lines;
  for (const char* t : texts) lines << QString::fromUtf8(t);
  return ListOfLines(lines);
}

}  // namespace

TEST(ToDoLineTest, MarksAndImportanceCycle) {
  const QString two = QStringLiteral("□■□");
  const QString four = QStringLiteral("□着待■□");
  auto next = [](const QString& cycle) { return [cycle](const QString& l) { return WithNextStatusMark(l, cycle); }; };
  EXPECT_EQ(Cycle(QStringLiteral("□ a"), 2, 0, next(two)), QStringList({"□", "■", "□"}));
  EXPECT_EQ(Cycle(QStringLiteral("□ a"), 4, 0, next(four)), QStringList({"□", "着", "待", "■", "□"}));
  // A mark the cycle does not hold starts it over.
  EXPECT_EQ(WithNextStatusMark(QStringLiteral("着 a"), two), QStringLiteral("□ a"));
  EXPECT_EQ(Cycle(QStringLiteral("□ a"), 5, 1, WithNextImportance), QStringList({" ", "D", "C", "B", "A", " "}));
  EXPECT_EQ(WithNextImportance(QStringLiteral("□x a")), QStringLiteral("□  a"));
  // A line too short for its mark or letter is lengthened, not crashed on.
  EXPECT_EQ(WithNextImportance(QStringLiteral("□")), QStringLiteral("□D"));
  EXPECT_EQ(WithNextStatusMark(QString(), two), QStringLiteral("□"));
}

TEST(ToDoLineTest, LevelsAddFullWidthBlanksAndRemoveEitherBlank) {
  QString line = QStringLiteral("□ top\t2009/03/01");
  for (int i = 0; i < 3; ++i) line = WithLevelMore(line);
  EXPECT_EQ(line, QStringLiteral("□ 　　　top\t2009/03/01"));
  for (int i = 0; i < 4; ++i) line = WithLevelLess(line);
  EXPECT_EQ(line, QStringLiteral("□ top\t2009/03/01"));
  EXPECT_EQ(WithLevelLess(QStringLiteral("□A  half")), QStringLiteral("□A half"));
  EXPECT_EQ(WithLevelMore(QStringLiteral("□")), QStringLiteral("□ 　"));
}

TEST(ToDoLineTest, NewShowAndUpdate) {
  const QString cycle = QStringLiteral("□■□");
  struct Case { const char* typed; const char* line; };
  const Case cases[] = {
      {"電話する", "□ 　電話する\t2009/03/10"},
      {"　既に", "□ 　既に\t2009/03/10"},
      {" half", "□  half\t2009/03/10"},
  };
  for (const Case& c : cases) EXPECT_EQ(NewLine(cycle, QString::fromUtf8(c.typed), kToday), QString::fromUtf8(c.line));

  struct Shown { const char* line; const char* text; const char* date; };
  const Shown shown[] = {
      {"□ 　no date", "　no date", "2009/03/10"},
      {"■Aitem\t2009/03/01", "item", "2009/03/01"},
      {"□ two\t2009/03/01\t2009/03/05", "two", "2009/03/01"},
      {"□", "", "2009/03/10"},
  };
  for (const Shown& s : shown) {
    const ShownItem item = ShowLine(QString::fromUtf8(s.line), kToday);
    EXPECT_EQ(item.text, QString::fromUtf8(s.text)) << s.line;
    EXPECT_EQ(item.date, QString::fromUtf8(s.date)) << s.line;
  }
  // Update keeps mark and letter and drops a second date.
  EXPECT_EQ(UpdatedLine(QStringLiteral("■B two\t2009/03/01\t2009/03/05"), QStringLiteral("two"),
                        QStringLiteral("2009/03/01")),
            QStringLiteral("■Btwo\t2009/03/01"));
}

TEST(ToDoListTest, AddInsertsAfterTheCurrentEntryAndRenumbers) {
  ToDoList list = ListOf({"a", "b", "c", "d", "e"});
  list.itemData = {4, 3, 2, 1, 0};  // as a sorted view would hold them
  list.selected = {true, false, true, false, false};
  list.current = 2;
  AddItem(list, QStringLiteral("new"));
  EXPECT_EQ(list.texts, QStringList({"a", "b", "c", "new", "d", "e"}));
  EXPECT_EQ(list.itemData, QList<int>({0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(list.selected, QList<bool>({false, false, false, true, false, false}));
  EXPECT_EQ(list.current, 3);

  ToDoList none = ListOf({"a", "b"});
  AddItem(none, QStringLiteral("first"));
  EXPECT_EQ(none.texts, QStringList({"first", "a", "b"}));
  ToDoList empty;
  AddItem(empty, QStringLiteral("only"));
  EXPECT_EQ(empty.texts, QStringList({"only"}));
}

TEST(ToDoListTest, MovesCarrySelectedBlocks) {
  struct Case {
    bool up;
    QList<bool> selected;
    QStringList texts;
    QList<bool> selectedAfter;
  };
  const Case cases[] = {
      {true, {false, true, true, false}, {"b", "c", "a", "d"}, {true, true, false, false}},
      {true, {true, true, false, false}, {"b", "a", "c", "d"}, {true, true, false, false}},
      {true, {true, false, false, false}, {"a", "b", "c", "d"}, {true, false, false, false}},
      {false, {false, true, true, false}, {"a", "d", "b", "c"}, {false, false, true, true}},
      {false, {false, false, true, true}, {"a", "b", "d", "c"}, {false, false, true, true}},
      {false, {false, false, false, true}, {"a", "b", "c", "d"}, {false, false, false, true}},
  };
  for (const Case& c : cases) {
    ToDoList list = ListOf({"a", "b", "c", "d"});
    list.selected = c.selected;
    c.up ? MoveSelectedUp(list) : MoveSelectedDown(list);
    EXPECT_EQ(list.texts, c.texts);
    EXPECT_EQ(list.selected, c.selectedAfter);
    // Item data stays with the positions: the file takes the new order.
    EXPECT_EQ(list.itemData, QList<int>({0, 1, 2, 3}));
  }
}

TEST(ToDoListTest, FileOrderComesFromItemData) {
  ToDoList list;
  list.append(QStringLiteral("third"), 2);
  list.append(QStringLiteral("first"), 0);
  list.append(QStringLiteral("fourth"), 5);  // a gap left by a delete
  list.append(QStringLiteral("second"), 1);
  EXPECT_EQ(LinesInFileOrder(list), QStringList({"first", "second", "third", "fourth"}));
  RemoveItem(list, 3);
  EXPECT_EQ(list.current, 2);
  EXPECT_EQ(LinesInFileOrder(list), QStringList({"first", "third", "fourth"}));
}

namespace {

// The texts in the order shown; each entry's item data must name its line.
QStringList Sorted(const QStringList& lines, DisplayOrder order) {
  const ToDoList list = ListInDisplayOrder(lines, order);
  for (int i = 0; i < list.size(); ++i) EXPECT_EQ(lines.value(list.itemData[i]), list.texts[i]);
  return list.texts;
}

// The exchange sort written out as it has always run, on the texts.
QStringList PlainExchangeSort(QStringList lines, DisplayOrder order) {
  for (int i = 0; i + 1 < lines.size(); ++i)
    for (int j = i + 1; j < lines.size(); ++j) {
      const QString a = SortKey(lines[i], order), b = SortKey(lines[j], order);
      if (IsDescending(order) ? a < b : a > b) lines.swapItemsAt(i, j);
    }
  return lines;
}

}  // namespace

TEST(ToDoOrderTest, ImportanceAndNewestOrders) {
  const QStringList lines = {"□Ab\t2009/03/01", "□ a\t2009/03/05", "□Dc\t2009/03/02", "□Aa\t2009/03/03"};
  EXPECT_EQ(Sorted(lines, DisplayOrder::Importance),
            QStringList({"□Aa\t2009/03/03", "□Ab\t2009/03/01", "□Dc\t2009/03/02", "□ a\t2009/03/05"}));
  EXPECT_EQ(Sorted(lines, DisplayOrder::Newest),
            QStringList({"□ a\t2009/03/05", "□Aa\t2009/03/03", "□Dc\t2009/03/02", "□Ab\t2009/03/01"}));
  // Headings without a date go last; item text order starts at the text.
  EXPECT_EQ(Sorted({"□ heading", "□ x\t2009/03/05"}, DisplayOrder::Newest),
            QStringList({"□ x\t2009/03/05", "□ heading"}));
  EXPECT_EQ(Sorted({"■Ab", "□ a", "□Dc"}, DisplayOrder::ItemText), QStringList({"□ a", "■Ab", "□Dc"}));
  EXPECT_EQ(Sorted(lines, DisplayOrder::Oldest), lines);
}

TEST(ToDoOrderTest, DistinctKeysComeOutWhereTheExchangeSortPutThem) {
  // Every key differs in every order, and some are prefixes of others
  // ("x1" and "x12"); one line has no date, so an empty key.
  QRandomGenerator random(22);
  for (DisplayOrder order : {DisplayOrder::Importance, DisplayOrder::Newest, DisplayOrder::ItemText}) {
    for (int round = 0; round < 20; ++round) {
      QList<int> numbers(2 + random.bounded(30));
      std::iota(numbers.begin(), numbers.end(), 1);
      std::shuffle(numbers.begin(), numbers.end(), std::mt19937(random.generate()));
      QStringList lines;
      for (int i = 0; i < numbers.size(); ++i)
        lines << QStringLiteral("%1%2 x%3\t2009/03/%4")
                     .arg(QChar(i % 2 ? u'□' : u'■'))
                     .arg(QChar(u" DA"[random.bounded(3)]))
                     .arg(numbers[i])
                     .arg(numbers[(i + 1) % numbers.size()]);
      lines[random.bounded(int(lines.size()))].truncate(5);
      ASSERT_EQ(Sorted(lines, order), PlainExchangeSort(lines, order)) << static_cast<int>(order) << " " << round;
    }
  }
  // Long keys alike in their first twenty characters or so, keys of
  // sixteen and seventeen characters that begin others, short ones;
  // characters beyond the basic plane (two code units, the first below
  // U+FF01); a NUL character that must not read as the end of a key.
  const QString same = QStringLiteral("0123456789abcdefghij");
  const QStringList alike = {"□A" + same + "b\t" + same + "x",
                             "□A" + same + "a\t" + same,
                             "□A" + same + "\t" + same.left(16),
                             "□A" + same.left(14) + "\t" + same.left(17),
                             "□ 1234567\t😀",
                             "□ 1234567\t！",
                             "□ 123\t",
                             QStringLiteral("□ 123") + QChar(0) + u'\t' + same + QChar(0)};
  for (DisplayOrder order : {DisplayOrder::Importance, DisplayOrder::Newest, DisplayOrder::ItemText})
    EXPECT_EQ(Sorted(alike, order), PlainExchangeSort(alike, order)) << static_cast<int>(order);
}

TEST(ToDoOrderTest, EqualKeysKeepTheFileOrder) {
  const struct {
    DisplayOrder order;
    QStringList lines;
    QList<int> shown;  // item data in the order shown
  } cases[] = {
      // The exchange sort gave 2, 1, 0: swapping the A line to the front
      // moved the first B line behind the second.
      {DisplayOrder::Importance, {"□B電話\t2009/03/01", "■B電話\t2009/03/01", "□A会議"}, {2, 0, 1}},
      {DisplayOrder::Importance, {"■A same", "□ other", "□A same", "■A same"}, {0, 2, 3, 1}},
      {DisplayOrder::Newest,
       {"□A x\t2009/03/01", "□B y\t2009/03/05", "□C z\t2009/03/01", "□ heading", "□D w\t2009/03/05", "□ end"},
       {1, 4, 0, 2, 3, 5}},
      {DisplayOrder::ItemText, {"□A電話", "■ 電話", "□D会議", "■C電話"}, {2, 0, 1, 3}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ListInDisplayOrder(c.lines, c.order).itemData, c.shown) << c.lines.join(u'|').toStdString();
}

// The file's bytes give its lines and the lines give the same bytes back;
// other line ends and a last line without one are read alike and written
// with CR LF.
TEST(ToDoFile, BytesAndLinesRoundTrip) {
  const QByteArray sample = platform::ToSjis(
      ToDoSampleLines(QStringLiteral("/usr/share/doc/ringpad/README.md")).join(QStringLiteral("\r\n")) +
      QStringLiteral("\r\n"));
  struct Case {
    QByteArray bytes;
    int lines;
    QByteArray written;  // empty: the bytes themselves
  } cases[] = {
      {sample, 12},
      {platform::ToSjis(QStringLiteral("■A　済んだ\t2009/03/10\r\n□ 　ﾊﾝｶｸ\t2009/03/11\tメモ\r\n\r\n□ \r\n")), 4},
      {QByteArray(), 0},
      {"a\nb\rc", 3, "a\r\nb\r\nc\r\n"},
  };
  for (const Case& c : cases) {
    const QStringList lines = ReadToDoFile(c.bytes);
    EXPECT_EQ(lines.size(), c.lines) << c.bytes.toHex().constData();
    EXPECT_EQ(WriteToDoFile(lines), c.written.isEmpty() ? c.bytes : c.written) << c.bytes.toHex().constData();
  }
  EXPECT_EQ(ReadToDoFile(sample).last(), QStringLiteral("□ 　/usr/share/doc/ringpad/README.md"));
}
