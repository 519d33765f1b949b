// Every number box of the ruled designs with unusable or absurd text: each
// page ends, stays within a bounded number of primitives, and the window
// shows the values that were used.
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "RuledTest.h"
#include "ruled_photo/RuledDesignPage.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/RuledPaperPrintJob.h"
#include "ruled_photo/windows/RuledPaperWindow.h"
#include "ruled_photo/SingleSteps.h"

namespace {

class BadInputTest : public RuledTest {};

TEST_F(BadInputTest, SingleStepsRunOnlyWhenTheyCanEnd) {
  auto count = [](float from, float to, float step) {
    int n = 0;
    ForSingleSteps(from, to, step, [&](float) { ++n; });
    return n;
  };
  EXPECT_EQ(count(0, 10, 2.5f), 5);
  EXPECT_EQ(count(10, 0, -2.5f), 5);
  EXPECT_EQ(count(0, 10, -1), 0);     // wrong sign for the bound
  EXPECT_EQ(count(10, 0, 1), 0);
  EXPECT_EQ(count(0, 10, 0), 0);
  EXPECT_EQ(count(0, 10, std::nanf("")), 0);
  EXPECT_EQ(count(1e9f, 2e9f, 1), 0);  // vanishes against the sum
  EXPECT_EQ(count(0, 147, 0.001f), 0);  // more than 100,000 steps
  // The bound itself is reached: 26 cells give 27 lines.
  EXPECT_EQ(count(0, 80, 80.0f / 26), 27);
}

TEST_F(BadInputTest, EveryDesignEndsWithinBounds) {
  const QString texts[] = {QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("1e9"),
                           QStringLiteral("0.0001"), QString(300, u'9'), QStringLiteral("0")};
  for (const QString& text : texts) {
    for (int design : {kDesignGraph, kDesignDot, kDesignNumberPlace, kDesignRuled, kDesignStaff,
                       kDesignManuscript, kDesignGo, kDesignStickyNote, kDesignMinutes, kDesignHealth,
                       kDesignToDo, kDesignWideToDo, kDesignRisk, kDesignShopList, kDesignShogi}) {
      SCOPED_TRACE(text.left(8).toStdString() + " design " + std::to_string(design));
      printer().clearOps();
      RuledPaperOptions o;
      o.txt_keisen_honsu = o.txt_keisen_futoji = o.Txt_keisen_yohaku = text;
      o.txt_5kankaku = o.Txt_5haba = o.txt_genko_meyasu = text;
      o.txt_gijiroku_yokokei = o.txt_waku = text;
      o.txt_taijyu = o.Txt_KmkSu = o.txt_todoYoko_item = o.txt_risk_yokokei = o.txt_shop_gyou = text;
      o.Chk_kenko_taijyu_grapth = 1;
      o.Cmb_jikan = 3;
      RuledJobState job;
      job.cellSize = 1;
      job.startDate = QDate(2009, 3, 11);
      DrawRuledDesignPage(design, o, 8, 88, job);
      // The risk sheet keeps up to 1000 dotted rules however small the pitch.
      EXPECT_LT(printer().ops().size(), design == kDesignRisk ? 250000u : 100000u);
    }
  }
}

TEST_F(BadInputTest, AVeryLongSubjectWrapsAndEnds) {
  RuledPaperOptions o;
  o.cmb_kosi = 4;
  o.txt_kosi = QString(100000, u'案');
  RuledJobState job;
  DrawRuledDesignPage(kDesignLattice, o, 8, 88, job);
  EXPECT_GT(printer().ops().size(), 1000u);
}

TEST_F(BadInputTest, TheWindowShowsCorrectedCounts) {
  RuledPaperWindow w;
  w.Form_Load();
  const struct {
    int design;
    QLineEdit* box;
    const char* typed;
    const char* shown;
  } cases[] = {{kDesignNumberPlace, w.txt_keisen_honsu, "abc", "1"},
               {kDesignStickyNote, w.txt_waku, "1e9", "48"},
               {kDesignStickyNote, w.txt_waku, "0", "1"},
               {kDesignMinutes, w.txt_gijiroku_yokokei, "0.0001", "1"},
               {kDesignToDo, w.Txt_KmkSu, "1e9", "40"},
               {kDesignWideToDo, w.txt_todoYoko_item, "abc", "7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    w.Cmb_Type->setCurrentRow(c.design);
    c.box->setText(QString::fromLatin1(c.typed));
    w.Cmd_print->click();
    EXPECT_EQ(c.box->text(), QString::fromLatin1(c.shown));
  }
}

}  // namespace
