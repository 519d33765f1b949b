#include "RuledDesignPage.h"

#include "GoBoard.h"
#include "GridPaper.h"
#include "HealthSheet.h"
#include "LatticeSheet.h"
#include "ManuscriptPaper.h"
#include "MinutesSheets.h"
#include "PendingDesigns.h"
#include "RuledPageText.h"
#include "RuledPaperDesigns.h"
#include "RuledPaperOptions.h"
#include "RuledPaperPrintJob.h"
#include "RuledStaffPaper.h"
#include "ToDoSheets.h"
#include "core/text/Numbers.h"

void DrawRuledDesignPage(int design, RuledPaperOptions& o, double left, double right, RuledJobState& job) {
  switch (design) {
    case kDesignOnePoint: DrawImagePage(o, left, right); break;
    case kDesignGraph:
      DrawGridPaper(o, QStringLiteral("H"), job.cellSize, o.chk_hougan_tensen, o.chk_hougan_yaku, left, right);
      break;
    case kDesignDot:
      DrawGridPaper(o, QStringLiteral("D"), job.cellSize, o.chk_hougan_tensen, o.chk_hougan_yaku, left, right);
      break;
    case kDesignNumberPlace:
      DrawGridPaper(o, QStringLiteral("H2"), job.cellSize, o.chk_hougan_tensen, o.chk_hougan_yaku, left, right);
      break;
    case kDesignRuled: DrawRuledPaper(o, ToInt16(o.Cmb_GyouKanakaku), left, right); break;
    case kDesignStaff: DrawStaffPaper(o, left, right); break;
    case kDesignRuler: DrawRulerPage(o, left, right); break;
    case kDesignHealth: DrawHealthSheet(o, left, right, job.startDate); break;
    case kDesignManuscript: DrawManuscriptPaper(o, left, right); break;
    case kDesignGo: DrawGoBoard(o, left, right); break;
    case kDesignShogi: DrawShogiBoard(o, left, right); break;
    case kDesignShopList: DrawShopList(o, BoxWholeNumber(o.txt_shop_gyou), left, right); break;
    case kDesignRisk: DrawRiskSheet(o, left, right); break;
    case kDesignProject: DrawProjectSheet(o, left, right); break;
    case kDesignAgeTable: DrawAgeTable(o, job.year, left, right); break;
    case kDesignToDo: DrawToDoSheet(o, ToInt16(o.Cmb_jikan), left, right); break;
    case kDesignWideToDo: DrawWideToDoSheet(o, left, right); break;
    case kDesignStickyNote: DrawStickyNoteToDoSheet(o, left, right); break;
    case kDesignLattice: DrawLatticeSheet(o, left, right); break;
    case kDesignMinutes: DrawMinutesSheet(o, job.minutesSheet, left, right); break;
    case kDesignKanji: DrawKanjiList(o, job.kanjiPage, left, right); break;
    default: break;
  }
}
