#pragma once
// The one-line search dialog "検索": a key, find from the start or find next.
// Every way out stores the typed key in SearchKeyText; the answer is in
// SearchDialogResult.
#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

class SearchDialog : public QDialog {
  Q_OBJECT
 public:
  // Builds the dialog and runs Form_Load; owner is the main window it opens
  // beside (nullptr: where the layout puts it).
  explicit SearchDialog(QWidget* owner = nullptr);

  QLineEdit* Text1 = nullptr;
  QPushButton* Command1[2] = {nullptr, nullptr};  // "検索", "次検索"
  QPushButton* Cmd_cancel = nullptr;

  void Form_Load();
  void Command1_Click(int index);
  void Cmd_cancel_Click();
  // True when the key was handled here (Enter acts as "検索").
  bool Text1_KeyDown(int keyCode, int shift);
  void Form_QueryUnload();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* owner_;
  bool unloaded_ = false;
};

// Shows SearchDialog modally beside the owner; afterwards SearchDialogResult and
// SearchKeyText hold the answer.
void ShowSearchKeyDialog(QWidget* owner);

// A handler acts on the loaded dialog in place of the user (type into Text1,
// click a button); a dialog it leaves open is closed by its close box.
// An empty handler restores the real modal dialog.
using SearchKeyDialogHandler = std::function<void(SearchDialog&)>;
void SetSearchKeyDialogHandler(SearchKeyDialogHandler handler);
