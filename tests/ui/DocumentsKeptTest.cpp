// What the user has in a page window is kept: a sample, a template or a
// pasted picture replaces work that was not written only after the question
// a file read asks, and printing leaves every page's document as it was.
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "charts/windows/GanttWindow.h"
#include "charts/windows/TreeWindow.h"
#include "core/platform/Clipboard.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "ruled_photo/PhotoSidecar.h"
#include "ruled_photo/windows/PhotoWindow.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

class DocumentsKeptTest : public MainWindowTest {};

// The text of every box of the window, by its name, but the one named skip.
QStringList BoxesOf(const QWidget* page, const QString& skip = QString()) {
  QStringList boxes;
  for (const auto* line : page->findChildren<QLineEdit*>())
    if (skip.isEmpty() || line->objectName() != skip) boxes << line->objectName() + u'=' + line->text();
  for (const auto* text : page->findChildren<QPlainTextEdit*>())
    boxes << text->objectName() + u'=' + text->toPlainText();
  return boxes;
}

QImage Filled(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  return picture;
}

// A sample, a template or a paste over unwritten work asks; cancel keeps
// the work and the list where it was, discard lets the choice go through.
TEST_F(DocumentsKeptTest, ASampleTemplateOrPasteOverUnwrittenWorkAsksAndCancelKeepsIt) {
  Start();
  platform::UseMemoryClipboard(true);
  struct Case {
    const char* kind;
    const char* name;
    std::function<void(PageWindow*)> type;      // the user's unwritten work
    std::function<void(PageWindow*)> choose;    // the choice that would replace it
    std::function<QString(PageWindow*)> state;  // what shows the choice went through
  };
  const Case cases[] = {
      {"tree", "木",
       [](PageWindow* p) { qobject_cast<TreeWindow*>(p)->txt_data->setPlainText(QStringLiteral("打ち込んだ人")); },
       [](PageWindow* p) { qobject_cast<TreeWindow*>(p)->Cmb_Type->setCurrentRow(2); },
       [](PageWindow* p) { return QString::number(qobject_cast<TreeWindow*>(p)->Cmb_Type->currentRow()); }},
      {"gant", "ガントチャート",
       [](PageWindow* p) {
         auto* w = qobject_cast<GanttWindow*>(p);
         w->Cmb_title->setEditText(QStringLiteral("打ち込んだ計画"));
         w->txt_data->setPlainText(QStringLiteral("設計,2024/06/03"));
       },
       [](PageWindow* p) {
         auto* w = qobject_cast<GanttWindow*>(p);
         w->Cmb_title->setCurrentIndex(3);
         emit w->Cmb_title->activated(3);
       },
       [](PageWindow* p) { return QString::number(qobject_cast<GanttWindow*>(p)->Cmb_title->currentIndex()); }},
      {"table", "表",
       [](PageWindow* p) { qobject_cast<TableWindow*>(p)->Txt_Data->setPlainText(QStringLiteral("打ち込んだ行")); },
       [](PageWindow* p) { qobject_cast<TableWindow*>(p)->cmb_type->setCurrentRow(12); },
       [](PageWindow* p) { return QString::number(qobject_cast<TableWindow*>(p)->cmb_type->currentRow()); }},
      {"picture", "写真帳",
       [](PageWindow* p) {
         platform::ClipboardSetImage(Filled(30, 20));
         qobject_cast<PhotoWindow*>(p)->Cmd_Fileimport_Click();
         qobject_cast<PhotoWindow*>(p)->txt_title->setText(QStringLiteral("旅行"));
       },
       [](PageWindow* p) {
         platform::ClipboardSetImage(Filled(8, 40));
         qobject_cast<PhotoWindow*>(p)->Cmd_Fileimport_Click();
       },
       [](PageWindow* p) {
         const QSize size = qobject_cast<PhotoWindow*>(p)->SavedPicture.size();
         return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    QString kind = QString::fromLatin1(c.kind);
    window().ShowPageForm(kind);
    PageWindow* page = window().LoadedPageWindow(kind);
    ASSERT_NE(page, nullptr);
    c.type(page);
    const QStringList typed = BoxesOf(page);
    const QString shown = c.state(page);
    const QString question = QStringLiteral("「%1」の内容が変更されています。\n書き出してから読み込みますか？")
                                 .arg(QString::fromUtf8(c.name));

    messages().clear();
    messages().answer(platform::MsgResult::Cancel);
    c.choose(page);
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_TRUE(messages().texts()[0].startsWith(question)) << messages().texts()[0].toStdString();
    EXPECT_EQ(BoxesOf(page), typed);
    EXPECT_EQ(c.state(page), shown);

    messages().clear();
    messages().answer(platform::MsgResult::No);
    c.choose(page);
    EXPECT_EQ(messages().texts().size(), 1);
    EXPECT_NE(c.state(page), shown);
    if (kind == QLatin1String("picture")) continue;  // a pasted picture is the user's own work
    // A sample or template is no work of the user's: closing asks nothing.
    messages().clear();
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(page->parentWidget())->close());
    EXPECT_EQ(messages().texts(), QStringList());
  }
  platform::UseMemoryClipboard(false);
}

// Printing changes no page, and closing the window afterwards asks nothing;
// the Gantt chart's empty creation date is the print's to fill in.
TEST_F(DocumentsKeptTest, PrintingChangesNoPageAndClosingAfterwardsAsksNothing) {
  Start();
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  ASSERT_TRUE(picture.save(homeFile("trip.bmp"), "BMP"));
  WriteBytes(homeFile("trip.txt"), WritePhotoSidecar({.hasTitle = true,
                                                      .title = QStringLiteral("旅行"),
                                                      .fit = 0,
                                                      .scale = 0,
                                                      .anchor = 0,
                                                      .pictureOnly = 0,
                                                      .text = QStringLiteral("一行目\r\n二行目")}));
  struct Case {
    const char* kind;
    // Brings the window to a document that was not changed since it was
    // shown: a sample, a template, a file read.
    std::function<void(PageWindow*)> show;
  };
  const Case cases[] = {
      {"memo", {}},  // the sample memo a first start writes
      {"action", {}},
      // Remarks without a closing line break, which the page ends with one.
      {"table", [](PageWindow* p) { qobject_cast<TableWindow*>(p)->cmb_type->setCurrentRow(33); }},
      {"csv", {}},
      {"gant",
       [](PageWindow* p) {
         auto* gantt = qobject_cast<GanttWindow*>(p);
         gantt->Cmb_title->setCurrentIndex(2);
         gantt->cmb_title_click();
       }},
      {"tree", {}},
      {"picture",
       [this](PageWindow* p) { ASSERT_TRUE(qobject_cast<PhotoWindow*>(p)->LoadPhotoFile(homeFile("trip.bmp"))); }},
      {"yousi", {}},
  };
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, std::nullopt}; });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    QString kind = QString::fromLatin1(c.kind);
    window().ShowPageForm(kind);
    PageWindow* page = window().LoadedPageWindow(kind);
    ASSERT_NE(page, nullptr);
    if (c.show) c.show(page);
    const QStringList before = BoxesOf(page, QStringLiteral("txt_makedate"));
    auto* print = page->findChild<QPushButton*>(QStringLiteral("Cmd_print"));
    ASSERT_NE(print, nullptr);
    {
      SurfaceRecorder recorder;
      print->click();
      EXPECT_TRUE(recorder.printer.protocol().contains(QStringLiteral("begin-doc")))
          << recorder.printer.protocol().toStdString();
    }
    EXPECT_EQ(BoxesOf(page, QStringLiteral("txt_makedate")), before);
    // The chart's empty creation date is the print's to fill in.
    if (auto* gantt = qobject_cast<GanttWindow*>(page)) EXPECT_FALSE(gantt->txt_makedate->text().isEmpty());
    messages().clear();
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(page->parentWidget())->close());
    EXPECT_EQ(messages().texts(), QStringList());
    EXPECT_EQ(window().LoadedPageWindow(kind), nullptr);
  }
  SetPrintDialogHandler({});
}

}  // namespace
