// A new user's way through the card window: from the main window's menu to
// the sample file, a field dragged onto the card and another dragged off it,
// the layout stored through the File menu, the file opened again, and the
// cards previewed.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <optional>

#include "MenuPath.h"
#include "MainWindowFixture.h"
#include "app/RegisterPages.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ShowSettingsForm.h"
#include "tables_cards/windows/CardColumnList.h"
#include "tables_cards/CardFile.h"
#include "tables_cards/windows/CardLayoutPicture.h"
#include "tables_cards/windows/CardWindow.h"

namespace {

class CardPersonsPathTest : public MainWindowTest {
 protected:
  static void mouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  // Presses the left button on a list row and moves off it far enough to
  // start a drag, as the hand does.
  static void startDragFromRow(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    mouse(list->viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton);
    mouse(list->viewport(), QEvent::MouseMove, at + QPoint(QApplication::startDragDistance() + 2, 0), Qt::LeftButton);
    mouse(list->viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);
  }
  // What the window system delivers at the end of a drag within the window:
  // enter, move and drop on the target, with the payload the drag carries.
  static bool dropOn(QWidget* target, QPointF at, const QString& source, int index) {
    QMimeData mime;
    mime.setData(kCardFieldMimeType, CardDragPayload(source, index));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
  }
  static int row(const CardWindow& w, const QString& name) {
    const QList<QListWidgetItem*> found = w.List2->findItems(name, Qt::MatchExactly);
    return found.size() == 1 ? w.List2->row(found[0]) : -1;
  }
};

TEST_F(CardPersonsPathTest, PlaceRemoveStoreReopenAndPreview) {
  auto* w = StartAndOpen<CardWindow>(QStringLiteral("専用用紙(&S)"), QStringLiteral("CSV"));
  ASSERT_NE(w, nullptr);
  const QString file = ProgramFolder + QStringLiteral("VOREVA.csv");
  const QByteArray sample = ReadBytes(file);
  EXPECT_EQ(sample, CardSampleFile());
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("さんぷるデータ"));
  const int meaning = row(*w, QStringLiteral("意味"));
  const int part = row(*w, QStringLiteral("品詞"));
  ASSERT_GE(meaning, 0);
  ASSERT_GE(part, 0);
  const QString english = w->List1->item(row(*w, QStringLiteral("英語")))->text();
  const QString japanese = w->List1->item(row(*w, QStringLiteral("日本語")))->text();
  EXPECT_TRUE(w->List1->item(meaning)->text().isEmpty());
  EXPECT_FALSE(w->List1->item(part)->text().isEmpty());

  // 意味 from the list onto the card, dropped at 40.5 by 8.5 mm: the snap
  // (a 9-point step of 1.587302 mm) takes it down to 25 and 5 steps.
  startDragFromRow(w->List2, meaning);
  EXPECT_EQ(w->List2->currentRow(), meaning);
  const double pxPerMm = 1 / w->Pic1->mmPerPixel();
  ASSERT_TRUE(dropOn(w->Pic1, QPointF(40.5, 8.5) * pxPerMm, QStringLiteral("LIST2"), meaning));
  EXPECT_EQ(w->List1->item(meaning)->text(), QStringLiteral("ITEM,39.68254,7.936508"));

  // 品詞 picked up by its text on the card and dropped on the list: removed.
  const QPointF partAt = QPointF(92.06349 + 1, 1.587302 + 1) * pxPerMm;
  mouse(w->Pic1, QEvent::MouseButtonPress, partAt, Qt::LeftButton);
  mouse(w->Pic1, QEvent::MouseButtonRelease, partAt, Qt::NoButton);
  EXPECT_EQ(w->List2->currentRow(), part);
  ASSERT_TRUE(dropOn(w->List2->viewport(), QPointF(10, 10), QStringLiteral("PIC1"), w->List2->currentRow()));
  EXPECT_TRUE(w->List1->item(part)->text().isEmpty());

  // Stored through the File menu, the question answered OK.
  messages().answer(platform::MsgResult::Ok);
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ＣＳＶファイルに印刷位置を追記(書出)"));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().texts()[0].startsWith(QStringLiteral("CSVファイルの先頭に印刷形式を追加します。")));

  // Opened again through the File menu: the positions as stored.
  w->List1->item(meaning)->setText(QString());
  platform::SetFileDialogHandler([file](const platform::FileDialogRequest&) { return std::optional<QString>(file); });
  choose(QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ＣＳＶファイルの読込"));
  EXPECT_EQ(w->List1->item(meaning)->text(), QStringLiteral("ITEM,39.68254,7.936508"));
  EXPECT_TRUE(w->List1->item(part)->text().isEmpty());
  EXPECT_EQ(w->List1->item(row(*w, QStringLiteral("英語")))->text(), english);
  EXPECT_EQ(w->List1->item(row(*w, QStringLiteral("日本語")))->text(), japanese);
  EXPECT_EQ(w->Txt_Title->text(), QStringLiteral("さんぷるデータ"));

  // The header and the 24 records are the same bytes as before.
  const QByteArray stored = ReadBytes(file);
  const QByteArray header = platform::ToSjis(QStringLiteral("読み,分類"));
  ASSERT_GE(stored.indexOf(header), 0);
  EXPECT_EQ(stored.mid(stored.indexOf(header)), sample.mid(sample.indexOf(header)));
  EXPECT_EQ(stored.mid(stored.indexOf(header)).count("\r\n"), 25);

  // Preview: OK on every page and on every prompt to turn the paper.
  messages().clear();
  const QStringList steps = PreviewSteps(*w, [&] { w->Cmd_print->click(); });
  // 24 cards: the front of the sheet, then its back after the prompt.
  EXPECT_EQ(steps, (QStringList{"page", "prompt", "page"}));
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].endsWith(QStringLiteral("ＯＫを押してください。")));
  EXPECT_TRUE(w->isEnabled());
}

}  // namespace
