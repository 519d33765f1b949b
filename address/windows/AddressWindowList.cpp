// The entry list's keys and initial buttons, the free-field captions, the
// kana proposal and the small option handlers of the address window.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "AddressListLine.h"
#include "AddressWindow.h"
#include "ReadingKeys.h"
#include "core/print/PrintJob.h"
#include "core/settings/Ini.h"
#include "core/text/StringHelpers.h"

namespace {

QStringList ListLines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

}  // namespace

int AddressWindow::SelectedListRow() const {
  const QList<QListWidgetItem*> items = List1->selectedItems();
  return items.isEmpty() ? -1 : List1->row(items.first());
}

void AddressWindow::SelectListRow(int row) {
  if (row < 0 || row >= List1->count()) return;
  List1->setCurrentRow(row);
}

void AddressWindow::Cmb_Bunrui_Click() {
  BeginBusy(this);
  FillAddressList();
  EndBusy(this);
}

void AddressWindow::Chk_Jyusyo_Click() {
  const int value = Chk_Jyusyo->checkState() == Qt::Checked ? 1 : Chk_Jyusyo->checkState() == Qt::PartiallyChecked ? 2 : 0;
  WriteIniValue(kAddressSection, QStringLiteral("ADDRESSFLG"), QString::number(value));
}

void AddressWindow::List1_DblClick() {
  cmd_update_click(0);
  List1->setFocus();
}

bool AddressWindow::List1_KeyDown(int key, int shift) {
  const bool withShift = (shift & 1) != 0;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      cmd_update_click(0);
      List1->setFocus();
      return true;
    case Qt::Key_Delete:
      cmd_update_click(3);
      List1->setFocus();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (withShift) cmd_update_click(0);
      return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Space: {
      const int row = InitialJumpRow(ListLines(List1), SelectedListRow(), key == Qt::Key_Left ? -1 : 1);
      if (row >= 0) {
        SelectListRow(row);
        if (withShift) cmd_update_click(0);
      }
      return true;
    }
    default:
      return false;
  }
}

void AddressWindow::Cmd_search_Click(int index) {
  if (index < 0 || index >= static_cast<int>(Cmd_search.size())) return;
  const int row = FirstRowFromInitial(ListLines(List1), Cmd_search[index]->text());
  if (row < 0) return;
  SelectListRow(row);
  List1->scrollToItem(List1->item(row), QAbstractItemView::PositionAtTop);
  cmd_update_click(0);
}

void AddressWindow::Txt_Kana_GotFocus() {
  if (!Txt_Name->text().isEmpty() && TrimBlanks(Txt_Kana->text()).isEmpty())
    Txt_Kana->setText(GuessSurnameKana(Txt_Name->text()));
}

QLabel* AddressWindow::CaptionLabelOf(FreeFieldLabel label) const {
  return label == FreeFieldLabel::Biko1   ? Lbl_biko1
         : label == FreeFieldLabel::Biko2 ? Lbl_biko2
         : label == FreeFieldLabel::No    ? Lbl_no
                                          : Lbl_yobi;
}

void AddressWindow::ShowFreeFieldCaption(FreeFieldLabel label, const QString& caption) {
  // The labels show plain text; a check box would take an "&" from the
  // settings file for a shortcut and hide it.
  CaptionLabelOf(label)->setText(caption);
  QString boxCaption = caption;
  boxCaption.replace(u'&', QStringLiteral("&&"));
  if (label == FreeFieldLabel::Biko1) Chk_mail[2]->setText(boxCaption);
  if (label == FreeFieldLabel::Biko2) Chk_mail[3]->setText(boxCaption);
}

void AddressWindow::CycleCaption(FreeFieldLabel label) {
  const QString next = NextFreeFieldCaption(label, CaptionLabelOf(label)->text());
  ShowFreeFieldCaption(label, next);
  ApplyFreeFieldInputModes();
  WriteIniValue(kAddressSection, FreeFieldCaptionKey(label), next);
}

void AddressWindow::Lbl_biko1_Click() { CycleCaption(FreeFieldLabel::Biko1); }
void AddressWindow::Lbl_biko2_Click() { CycleCaption(FreeFieldLabel::Biko2); }
void AddressWindow::Lbl_no_DblClick() { CycleCaption(FreeFieldLabel::No); }
void AddressWindow::Lbl_yobi_DblClick() { CycleCaption(FreeFieldLabel::Yobi); }

// The list keeps its right edge inside the window's through the layout; the
// handler stays for the main window's resize of a minimised page.
void AddressWindow::Form_Resize() {}

void AddressWindow::resizeEvent(QResizeEvent* event) {
  PageWindow::resizeEvent(event);
  if (!isMinimized()) Form_Resize();
}

bool AddressWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == List1 && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int shift = (key->modifiers() & Qt::ShiftModifier ? 1 : 0) | (key->modifiers() & Qt::ControlModifier ? 2 : 0) |
                      (key->modifiers() & Qt::AltModifier ? 4 : 0);
    return List1_KeyDown(key->key(), shift);
  }
  if (watched == Txt_Kana && event->type() == QEvent::FocusIn) Txt_Kana_GotFocus();
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == Lbl_biko1) Lbl_biko1_Click();
    if (watched == Lbl_biko2) Lbl_biko2_Click();
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == Lbl_no) Lbl_no_DblClick();
    if (watched == Lbl_yobi) Lbl_yobi_DblClick();
  }
  return PageWindow::eventFilter(watched, event);
}
