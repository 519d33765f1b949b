#include "PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/print/PrinterInfo.h"

namespace {

// The papers offered when a printer names none of its own (the PDF printer,
// a queue CUPS cannot describe): the sheets organiser refills are cut from.
QList<QPageSize> CommonPageSizes() {
  QList<QPageSize> sizes;
  for (QPageSize::PageSizeId id :
       {QPageSize::A3, QPageSize::A4, QPageSize::A5, QPageSize::A6, QPageSize::JisB4, QPageSize::JisB5,
        QPageSize::JisB6, QPageSize::Letter, QPageSize::Legal, QPageSize::Postcard})
    sizes.append(QPageSize(id));
  return sizes;
}

QList<QPageSize> PageSizesOf(const QString& printer) {
  if (printer != kPdfPrinterName) {
    const QList<QPageSize> own = QPrinterInfo::printerInfo(printer).supportedPageSizes();
    if (!own.isEmpty()) return own;
  }
  return CommonPageSizes();
}

QString PaperSourceName(int source) {
  switch (QPrinter::PaperSource(source)) {
    case QPrinter::OnlyOne: return QStringLiteral("プリンターの既定");
    case QPrinter::Auto: return QStringLiteral("自動");
    case QPrinter::Middle: return QStringLiteral("中段");
    case QPrinter::Lower: return QStringLiteral("下段");
    case QPrinter::Manual: return QStringLiteral("手差し");
    case QPrinter::Envelope: return QStringLiteral("封筒");
    case QPrinter::EnvelopeManual: return QStringLiteral("封筒（手差し）");
    case QPrinter::LargeCapacity: return QStringLiteral("大容量");
    default: return QStringLiteral("給紙口 %1").arg(source);
  }
}

// The trays a print job can ask a queue for; a PDF file has none.
QList<int> PaperSourcesOf(const QString& printer) {
  if (printer == kPdfPrinterName) return {int(QPrinter::OnlyOne)};
  return {int(QPrinter::OnlyOne), int(QPrinter::Auto), int(QPrinter::Middle),
          int(QPrinter::Lower),   int(QPrinter::Manual), int(QPrinter::Envelope), int(QPrinter::LargeCapacity)};
}

}  // namespace

PrinterSetupDialog::PrinterSetupDialog(const PrinterSetupChoice& choice, QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("プリンタの設定"));
  Cmb_printer = new QComboBox(this);
  Cmb_printer->setObjectName(QStringLiteral("Cmb_printer"));
  Cmb_printer->addItems(InstalledPrinterNames());
  if (Cmb_printer->findText(choice.printer) < 0) Cmb_printer->addItem(choice.printer);
  Cmb_printer->setCurrentIndex(Cmb_printer->findText(choice.printer));
  Cmb_paper = new QComboBox(this);
  Cmb_paper->setObjectName(QStringLiteral("Cmb_paper"));
  Opt_portrait = new QRadioButton(QStringLiteral("縦"), this);
  Opt_landscape = new QRadioButton(QStringLiteral("横"), this);
  Cmb_source = new QComboBox(this);
  Cmb_source->setObjectName(QStringLiteral("Cmb_source"));

  auto* turn = new QHBoxLayout;
  turn->addWidget(Opt_portrait);
  turn->addWidget(Opt_landscape);
  turn->addStretch();
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("プリンター"), Cmb_printer);
  form->addRow(QStringLiteral("用紙サイズ"), Cmb_paper);
  form->addRow(QStringLiteral("印刷の向き"), turn);
  form->addRow(QStringLiteral("給紙方法"), Cmb_source);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);

  showPaperOf(choice.paper);
  connect(Cmb_printer, &QComboBox::currentIndexChanged, this, [this] { Cmb_printer_Change(); });
}

void PrinterSetupDialog::showPaperOf(const PaperChoice& paper) {
  const QString printer = Cmb_printer->currentText();
  QList<QPageSize> sizes = PageSizesOf(printer);
  const auto shown = [&](const QPageSize& size) {
    for (int i = 0; i < sizes.size(); ++i)
      if (sizes[i].isEquivalentTo(size)) return i;
    return -1;
  };
  if (paper.size.isValid() && shown(paper.size) < 0) sizes.prepend(paper.size);
  Cmb_paper->clear();
  for (const QPageSize& size : sizes) Cmb_paper->addItem(size.name(), QVariant::fromValue(size));
  Cmb_paper->setCurrentIndex(std::max(0, shown(paper.size)));
  (paper.orientation == 2 ? Opt_landscape : Opt_portrait)->setChecked(true);
  Cmb_source->clear();
  QList<int> sources = PaperSourcesOf(printer);
  if (!sources.contains(paper.paperSource)) sources.append(paper.paperSource);
  for (int source : sources) Cmb_source->addItem(PaperSourceName(source), source);
  Cmb_source->setCurrentIndex(Cmb_source->findData(paper.paperSource));
}

// Another printer shows the paper its next job would get.
void PrinterSetupDialog::Cmb_printer_Change() { showPaperOf(ShownPaperChoice(Cmb_printer->currentText())); }

PrinterSetupChoice PrinterSetupDialog::choice() const {
  PrinterSetupChoice c;
  c.printer = Cmb_printer->currentText();
  c.paper.size = Cmb_paper->currentData().value<QPageSize>();
  c.paper.orientation = Opt_landscape->isChecked() ? 2 : 1;
  c.paper.paperSource = Cmb_source->currentData().toInt();
  return c;
}
