#include "SearchDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ScreenArea.h"
#include "SearchKeys.h"
#include "Twips.h"
#include "core/platform/Clipboard.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/text/StringHelpers.h"

namespace {
SearchKeyDialogHandler& searchKeyDialogHandler() {
  static SearchKeyDialogHandler h;
  return h;
}
constexpr int kEdgeTwips = 200;
}  // namespace

SearchDialog::SearchDialog(QWidget* owner) : QDialog(owner), owner_(owner) {
  setWindowTitle(QStringLiteral("検索"));
  Text1 = new QLineEdit(this);
  Text1->setMinimumWidth(240);
  Text1->installEventFilter(this);
  Command1[0] = new QPushButton(QStringLiteral("検索"), this);
  Command1[1] = new QPushButton(QStringLiteral("次検索"), this);
  Cmd_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  for (QPushButton* b : {Command1[0], Command1[1], Cmd_cancel}) b->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Command1[0]);
  buttons->addWidget(Command1[1]);
  buttons->addWidget(Cmd_cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text1);
  layout->addLayout(buttons);

  connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
  connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
  connect(Cmd_cancel, &QPushButton::clicked, this, &SearchDialog::Cmd_cancel_Click);

  adjustSize();
  Form_Load();
}

void SearchDialog::Form_Load() {
  if (owner_) {
    const QWidget* main = owner_->window();
    const QRect screenRect = AvailableScreenArea(main);
    const QRect mainFrame = main->frameGeometry();
    // A dialog not placed yet would open where Qt puts a dialog of its own:
    // centred over the main window, not at the screen's left edge.
    const int ownLeft = testAttribute(Qt::WA_Moved)
                            ? x()
                            : mainFrame.left() + (mainFrame.width() - frameGeometry().width()) / 2;
    const QPoint at = SearchDialogPosition(mainFrame, frameGeometry().size(), SearchDialogPlacement, ownLeft,
                                           TwipsToPixelsX(kEdgeTwips), screenRect);
    // Beside a main window at the screen's edge the dialog would hang off
    // it; it stays whole on the screen.
    move(FitRectInArea(QRect(at, frameGeometry().size()), screenRect).topLeft());
  }
  SearchDialogResult = -1;
  // A text copied anywhere is searched for at once, but only once: the
  // clipboard is emptied, and later showings fall back to the stored key.
  if (platform::ClipboardHasText()) {
    Text1->setText(TrimBlanks(platform::ClipboardText()));
    platform::ClipboardClear();
    SearchKeyText = Text1->text();
  } else {
    Text1->setText(SearchKeyText);
  }
  Text1->selectAll();
}

void SearchDialog::Command1_Click(int index) {
  SearchDialogResult = static_cast<int16_t>(index);
  accept();
}

void SearchDialog::Cmd_cancel_Click() { reject(); }

bool SearchDialog::Text1_KeyDown(int keyCode, int shift) {
  if (keyCode != Qt::Key_Return && keyCode != Qt::Key_Enter) return false;
  Command1_Click(0);
  return true;
}

void SearchDialog::Form_QueryUnload() { SearchKeyText = Text1->text(); }

void SearchDialog::done(int result) {
  // Buttons, Escape and the close box all end here.
  if (!unloaded_) {
    unloaded_ = true;
    Form_QueryUnload();
  }
  QDialog::done(result);
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (Text1_KeyDown(key->key(), static_cast<int>(key->modifiers()))) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void ShowSearchKeyDialog(QWidget* owner) {
  SearchDialog dialog(owner);
  if (searchKeyDialogHandler()) {
    searchKeyDialogHandler()(dialog);
    // A dialog the handler left open goes the way of its close box.
    dialog.done(QDialog::Rejected);
    return;
  }
  dialog.exec();
}

void SetSearchKeyDialogHandler(SearchKeyDialogHandler h) {
  platform::RegisterSeamReset([] { SetSearchKeyDialogHandler({}); });
  searchKeyDialogHandler() = std::move(h);
}
