#pragma once
// The address window: the address book's entry list, its entry editor, the
// file commands and the find, and the print choices.
//
// The class is spread over several sources: AddressWindowLayout.cpp builds
// the controls and connects them, AddressWindowLoad.cpp is the load sequence
// and the filling of the list, AddressWindowList.cpp the list's keys, the
// initial buttons and the free-field captions, AddressWindowEditor.cpp the
// entry editor, AddressWindowFileCommands.cpp new, open and find,
// AddressWindowImport.cpp the CSV import, AddressWindowLinks.cpp the dial,
// mail, web and postal-code buttons, AddressWindowExports.cpp the phone list
// and the mail list.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "AddressCaptions.h"
#include "AddressCategoryGroups.h"
#include "AddressFind.h"
#include "AddressPrintLines.h"
#include "core/ui/FindDialog.h"
#include "core/ui/PageWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

class AddressWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit AddressWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // False when the file could not be read (the list is then empty).
  bool FillAddressList();

  // ---- State of the window
  // The address file as the settings keep it; AddressFileLocalPath() is the
  // path to open.
  QString AddressFilePath;
  QString AddressFileLocalPath() const;
  // Line number (header = 1) of the entry last shown, which the list selects
  // when it is next filled and an update replaces; -1 for none.
  int SelectedLineNumber = -1;
  // The file's line as it was when that entry was shown: an update goes
  // ahead only while the file still holds it under that number.
  QString ShownLine;
  // Fields 22 onwards of the entry shown, written back by an update.
  QStringList CarriedFields;
  AddressCategoryGroups Groups;
  int FindFlag = 0;
  AddressFindKeys FindKeyValues;

  // ---- Entry list and its filter
  QListWidget* List1 = nullptr;
  QComboBox* Cmb_bunrui = nullptr;
  std::array<QPushButton*, 13> Cmd_search{};

  // ---- Entry editor
  QLineEdit* Txt_Kana = nullptr;
  QComboBox* Cmb_bunruiM = nullptr;
  QLineEdit* Txt_Name = nullptr;
  QLineEdit* Txt_Handle = nullptr;
  QLineEdit* Txt_Tel = nullptr;
  QLineEdit* Txt_Jitaku = nullptr;
  QCheckBox* Chk_noprint = nullptr;
  QCheckBox* Chk_Active = nullptr;
  std::array<QCheckBox*, 5> chk_etc{};
  QLineEdit* Txt_KaisyaName = nullptr;
  QLineEdit* Txt_Kaisya = nullptr;
  QLineEdit* Txt_Zip = nullptr;
  QLineEdit* Txt_Address1 = nullptr;
  QLineEdit* Txt_Address2 = nullptr;
  QLineEdit* Txt_Mail = nullptr;
  // 備考, 備考2, 備考3 (the multi-line box) and URL. Element 2 is a
  // multi-line box and so held apart; the array holds null there.
  std::array<QLineEdit*, 4> Txt_Bikou{};
  QPlainTextEdit* Txt_Bikou3 = nullptr;
  QLineEdit* Txt_Fax = nullptr;
  QLineEdit* Txt_Birthday = nullptr;
  QLineEdit* Txt_No = nullptr;
  QLineEdit* txt_post = nullptr;
  std::array<QPushButton*, 5> Cmd_Update{};
  QPushButton* cmd_clipboard = nullptr;  // "ｸﾘｯﾌﾟB読込"
  std::array<QPushButton*, 3> cmd_tel{};  // "携帯", "自宅", "TEL"
  QPushButton* Cmd_mail = nullptr;
  QPushButton* cmd_url = nullptr;
  std::array<QPushButton*, 2> Cmd_zip{};  // "住所", "〒"
  std::array<QLabel*, 9> Label2{};
  QLabel* Lbl_biko1 = nullptr;
  QLabel* Lbl_biko2 = nullptr;
  QLabel* Lbl_no = nullptr;
  QLabel* Lbl_yobi = nullptr;

  // ---- Print choices
  QComboBox* Cmb_Type = nullptr;
  QComboBox* Cmb_men = nullptr;
  QComboBox* cmb_sort = nullptr;
  QCheckBox* Chk_Jyusyo = nullptr;
  std::array<QCheckBox*, 5> Chk_mail{};
  QPushButton* Cmd_print = nullptr;

  // ---- Pressed by the main window's File and Help items
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_FileSearch2 = nullptr;

  // ---- Handlers
  void Cmb_Bunrui_Click();
  void Chk_Jyusyo_Click();
  void List1_DblClick();
  // Returns true when the key was consumed.
  bool List1_KeyDown(int key, int shift);
  void Cmd_search_Click(int index);
  void Txt_Kana_GotFocus();
  void Lbl_biko1_Click();
  void Lbl_biko2_Click();
  void Lbl_no_DblClick();
  void Lbl_yobi_DblClick();
  void Form_Resize();
  void cmd_update_click(int index);
  // Fills the editor from address text on the clipboard; saves nothing.
  void cmd_clipboard_Click();
  void cmd_FileNew_Click();
  void Cmd_FileRead_Click();
  void Cmd_FileSearch2_Click();
  // Imports another program's address CSV; entries already in the file are
  // dropped.
  void Cmd_Fileimport_Click();
  // Puts the phone list on the clipboard for the mail add-in and starts it.
  void Cmd_FileWrite_Click();
  // Writes the mail list "jxsender.htm"; false (after a message) on failure.
  bool WriteMailList();
  void Cmd_help_Click();
  // Links of the entry on screen: dial (0 携帯, 1 自宅, 2 TEL), mail, web,
  // and the postal-code lookup (0 code to address, 1 address to code).
  void cmd_tel_Click(int index);
  void cmd_mail_Click();
  void cmd_url_Click();
  void Cmd_zip_Click(int index);
  void Cmb_type_Click();
  void Cmd_print_Click();

  // The editor's text of 備考3 and the other free fields by index.
  QString BikouText(int index) const;
  void SetBikouText(int index, const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildLayout();
  void CycleCaption(FreeFieldLabel label);
  // Shows a free field's caption on its label, and on the print check box
  // that goes with 備考 and 備考2.
  void ShowFreeFieldCaption(FreeFieldLabel label, const QString& caption);
  QLabel* CaptionLabelOf(FreeFieldLabel label) const;
  void ApplyFreeFieldInputModes();
  void ShowSelectedEntry();
  void ClearEditor(bool resetCategory);
  void SelectListRow(int row);
  int SelectedListRow() const;
  // The address file's lines; false when it cannot be read. The failure is
  // named once to the list's own refills (automatic), which then show an
  // empty list, and every time to a print or an export the user asked for.
  bool ReadAddressLines(QStringList& lines, bool automatic);
  // Refills the list after a change of the file that failed: the user has
  // been told of that failure, and a read failing the same way says nothing.
  void FillAddressListAfterFailedChange();

  // The file whose failed read the user has been told of, until a read of
  // it succeeds.
  QString readFailureTold_;
};
