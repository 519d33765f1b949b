#pragma once
// The dialog behind "プリンタの設定": which paper, turned which way and fed
// from where, a printer's jobs print on. It opens on the printer the jobs go
// to, the PDF printer included, and shows the paper kept for it; OK keeps
// exactly what it shows. (Qt's own print dialog starts every queue on its
// default media and every PDF job on the first queue, so the choice it
// returned was not the one the user saw.)
#include <QDialog>

#include "PrinterSetup.h"

class QComboBox;
class QLabel;
class QRadioButton;

class PrinterSetupDialog : public QDialog {
 public:
  PrinterSetupDialog(const PrinterSetupChoice& choice, QWidget* owner);

  // The printer and paper the dialog shows now.
  PrinterSetupChoice choice() const;

  QComboBox* Cmb_printer = nullptr;
  QComboBox* Cmb_paper = nullptr;
  QRadioButton* Opt_portrait = nullptr;
  QRadioButton* Opt_landscape = nullptr;
  QComboBox* Cmb_source = nullptr;

 private:
  // Fills the paper and source lists for the printer shown, selecting what
  // the given choice holds.
  void showPaperOf(const PaperChoice& paper);
  void Cmb_printer_Change();
};
