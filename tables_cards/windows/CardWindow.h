#pragma once
// The card window: each record of a CSV file printed as a card, its columns
// placed on the card by drag and drop.
#include <QString>
#include <vector>

#include "CardFile.h"
#include "core/ui/PageWindow.h"

class CardColumnList;
class CardLayoutPicture;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Reads a card file whole, refusing one larger than 10 MB; failures are reported.
bool ReadCardFileBytes(const QString& path, QByteArray& content);

class CardWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit CardWindow(QWidget* parent = nullptr);

  void Form_Load() override;
  // Asks before a layout that was not stored in the file is lost.
  void Form_QueryUnload(int16_t& cancel, UnloadMode mode) override;
  // The title and the columns' places as the window holds them.
  QStringList LayoutNow() const;
  // True when the layout differs from what was last read or stored.
  bool LayoutChanged() const;
  void DrawCardPreview();
  void Cmd_FileRead_Click();
  void Cmd_FileWrite_Click();
  void Cmd_print_Click();

  // The layout editor's drops and presses, in layout millimetres; the
  // widgets' drag and drop events call these.
  void Pic1_DragDrop(const QString& source, int index, double x, double y);
  void List2_DragDrop(const QString& source, int index);
  int Pic1_MouseDown(double x, double y);  // index of the field picked up, -1 none
  void Pic_tool_MouseDown() { LayoutTool = QStringLiteral("BOX"); }

  CardColumnList* List2 = nullptr;
  QListWidget* List1 = nullptr;
  CardLayoutPicture* Pic1 = nullptr;
  QLineEdit* Txt_csvFile = nullptr;
  QLineEdit* Txt_Title = nullptr;
  QComboBox* Cmb_men = nullptr;
  QCheckBox* Chk_midasi = nullptr;
  QPushButton* Pic_tool = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_print = nullptr;

  QString CurrentCardFile;
  QStringList CardExtraLines;
  double CardHeight = 0;
  QString LayoutTool;
  // The columns of the list, each with its header field number and place;
  // List1 and List2 show them.
  std::vector<CardColumn> columns;

 private:
  void showColumns();
  // Shows the head of the file's content; none leaves the lists empty.
  void showCardFile(const QByteArray* content);
  // The write command; true when the layout was stored.
  bool writeLayout();
  QStringList savedLayout_;
};
