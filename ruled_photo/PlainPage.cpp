#include "PlainPage.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"

void DrawPlainPage(const RuledPaperOptions& o, double left, double right) {
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  DrawPageFooter(QString(), left, right);
}
