// The program's own message box shows what it is asked to say, letter for
// letter: texts carry file names, addresses and data lines that may look
// like markup.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "FormsTestSupport.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/Shell.h"
#include "core/ui/MessageBoxWindow.h"

namespace {

using namespace platform;

// Shows the request in the real box and notes what its text label shows,
// then presses one of its buttons.
struct ShownBox {
  Qt::TextFormat format = Qt::AutoText;
  QString text;
  QString title;
};

ShownBox ShowInRealBox(const MessageRequest& request) {
  ShownBox shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    shown.format = label->textFormat();
    shown.text = label->text();
    shown.title = box->windowTitle();
    box->buttons().front()->click();
  });
  ShowMessageBoxWindow(request);
  return shown;
}

using MessageBoxWindowTest = FormsTest;

TEST_F(MessageBoxWindowTest, TextThatLooksLikeMarkupIsShownAsPlainText) {
  const QString hostileAddress = QStringLiteral("javascript:<br><h1>OK to continue</h1>");
  const MessageRequest refusal = ProblemMessage({Problem::RefusedTarget, hostileAddress});
  ASSERT_TRUE(refusal.text.contains(hostileAddress));
  MessageRequest dataLine;
  dataLine.text = QStringLiteral("「<b>会議</b> &amp; 打合せ」を削除しますか？");
  dataLine.buttons = MsgButtons::YesNo;
  dataLine.title = QStringLiteral("<i>題</i>");
  MessageRequest fileName;
  fileName.text =
      SaveFailureMessage(QStringLiteral("/data/<img src=x>.txt"), QStringLiteral("No space left on device"));
  for (const MessageRequest& request : {refusal, dataLine, fileName}) {
    const ShownBox shown = ShowInRealBox(request);
    EXPECT_EQ(shown.format, Qt::PlainText) << request.text.toStdString();
    EXPECT_EQ(shown.text, request.text);
    EXPECT_EQ(shown.title, MessageTitle(request));
  }
}

}  // namespace
