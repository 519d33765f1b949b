#pragma once
// The find dialog "検索キー指定": up to six keys in three rows, each row two
// keys joined by "かつ", the rows joined by "又は". Its buttons only hide it;
// the keys stay in the boxes for the caller to read back.
#include <QDialog>
#include <functional>

#include "SearchKeys.h"

class QLabel;
class QLineEdit;
class QPushButton;

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FindDialog(QWidget* parent = nullptr);

  QLineEdit* txt_key1[3] = {};
  QLineEdit* txt_key2[3] = {};
  // Per row: "キー (" or "又は (", "かつ", ")".
  QLabel* Label1[9] = {};
  QPushButton* cmd_find = nullptr;   // "絞込検索"
  QPushButton* cmd_clear = nullptr;  // "クリア"
  QPushButton* cmd_cancel = nullptr; // "ｷｬﾝｾﾙ"

  void Form_Load();
  void cmd_find_Click();
  void cmd_clear_Click();
  void cmd_cancel_Click();
  void NormaliseFindKeys();
};

// The six keys of the address window's find.
struct FindKeys {
  FindKeyRow key1;
  FindKeyRow key2;
};

// The caller's whole use of FindDialog: the keys go into the boxes, the dialog
// is shown modally, the boxes are read back and returned. The caller applies
// them when SearchDialogResult is not 0.
FindKeys ShowFindKeysDialog(QWidget* owner, const FindKeys& keys);

// A handler acts on the loaded dialog in place of the user; an empty handler
// restores the real modal dialog.
using FindKeysDialogHandler = std::function<void(FindDialog&)>;
void SetFindKeysDialogHandler(FindKeysDialogHandler handler);
