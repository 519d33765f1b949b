// The print button: works out the plan and prints its pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "GanttPage.h"
#include "GanttPrintPlan.h"
#include "GanttWindow.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"
#include "core/dates/Calendar.h"
#include "core/dates/DateLists.h"

void GanttWindow::Cmd_print_Click() {
  CellHeight = GanttCellHeight(cmb_height->currentIndex());
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);
  SetPrinterScaleMode(kScaleMillimetres);
  if (TrimBlanks(txt_makedate->text()).isEmpty()) {
    const QString today = DateToText(ScheduleToday());
    txt_makedate->setText(today);
    // The date is the print's, not a change of the user's: a chart that was
    // as written still is.
    if (TrimBlanks(savedChart_.makeDate).isEmpty()) savedChart_.makeDate = today;
  }
  // The page ends the remarks with a line break; the box keeps them as typed.
  QString remarks = BoxText(txt_biko);
  if (!remarks.isEmpty() && !remarks.endsWith(QStringLiteral("\r\n"))) remarks += QStringLiteral("\r\n");

  GanttPrintInput in;
  in.cellHeightIndex = cmb_height->currentIndex();
  in.boxIndex = cmb_box->currentIndex();
  in.startIndex = cmb_start->currentIndex();
  in.spanIndex = cmb_span->currentIndex();
  in.levelIndex = cmb_level->currentIndex();
  in.sign = chk_sign->isChecked();
  in.data = BoxText(txt_data);
  in.remarks = remarks;
  in.makeDate = txt_makedate->text();
  in.today = ScheduleToday();
  in.PageLeft = PaperSettings.PageLeft;
  in.PageWidth = PaperSettings.PageWidth;
  in.DataFontSize = PaperSettings.DataFontSize;
  in.HeadFontSize = PaperSettings.HeadFontSize;
  const GanttPrintPlan plan = PlanGanttPrint(in, Columns);
  TitleBlockHeight = plan.TitleBlockHeight;
  RemarkLineCount = plan.RemarkLineCount;
  PeriodStart = plan.PeriodStart;
  PeriodEnd = plan.PeriodEnd;

  if (Cmb_men->currentIndex() == 0) {
    GanttPageOptions options;
    options.title = Cmb_title->currentText();
    options.name = txt_name->text();
    options.makeDate = txt_makedate->text();
    options.remarks = remarks;
    options.box = cmb_box->currentIndex();
    options.sign = chk_sign->isChecked();
    options.biko = chk_biko->isChecked();
    options.autoColor = chk_autocolor->isChecked();
    options.endDay = chk_syuryouyotei->isChecked();
    options.jisseki = chk_jisseki->isChecked();
    options.CellHeight = CellHeight;
    options.TitleBlockHeight = TitleBlockHeight;
    options.RemarkLineCount = RemarkLineCount;
    options.PeriodStart = PeriodStart;
    options.PeriodEnd = PeriodEnd;
    options.columns = Columns;
    if (!PrintGanttPages(plan, options))
      platform::ShowMessage(QStringLiteral("用紙が小さすぎて印刷できません"), platform::MsgButtons::Ok,
                            platform::MsgIcon::Exclamation);
  } else {
    platform::ShowMessage(QStringLiteral("「%1」の「%2」はまだ出来ていません。要望があれば作ります")
                              .arg(Cmb_title->currentText(), Cmb_men->currentText()));
  }
  EndPrintDocument();
  EndBusy(this);
}
