// The print button: what it refuses before the dialog, the start day and
// design code it hands over, the drivers it asks, and how every job ends.
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

struct DriverCall {
  int driver;
  int16_t code;
  QDate start;
  int16_t sundayStart;
};

class PrintButtonTest : public SchedulePrintTest {
 protected:
  // Drivers that record their calls; the one numbered `accepting` takes the
  // code and moves the start day, as a real driver does while it prints.
  SchedulePrintDrivers recordingDrivers(int accepting = -1) {
    SchedulePrintDrivers d;
    for (int i = 0; i < 4; ++i) {
      auto driver = [this, i, accepting](SchedulePrintSource& s, int16_t& code, QDate& start) {
        calls.push_back({i, code, start, s.PrintOptions().OptSundayStart});
        if (i != accepting) return 0;
        start = start.addMonths(1);
        return 1;
      };
      d.normal.push_back(driver);
      if (i < 2) d.fourFold.push_back(driver);
    }
    return d;
  }
  std::vector<DriverCall> calls;
};


TEST_F(PrintButtonTest, RefusalsComeBeforeTheDialog) {
  struct Case {
    const char* name;
    int design;
    QString year;
    QString sheets;
    QString message;
  } cases[] = {
      {"no design", -1, QStringLiteral("2009"), QStringLiteral("1"), QStringLiteral("印刷する予定表を選んでください。")},
      {"blank year", 5, QStringLiteral("    "), QStringLiteral("1"), QStringLiteral("年を選んでください。")},
      {"too many sheets", 5, QStringLiteral("2009"), QStringLiteral("99999"), QStringLiteral("枚数が多すぎます。")},
      {"pages past 16 bits", 5, QStringLiteral("2009"), QStringLiteral("16384"), QStringLiteral("枚数が多すぎます。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    calls.clear();
    source.choose(c.design, 0, QDate(2009, 3, 1), c.sheets);
    if (c.design < 0) source.controls.Cmb_Type_Caption.clear();
    source.controls.Cmb_Nen = c.year;
    const int dialogsBefore = dialogsShown();
    const size_t messagesBefore = shownMessages().size();
    Cmd_print_Click(source, recordingDrivers(0));
    EXPECT_EQ(dialogsShown(), dialogsBefore);
    ASSERT_EQ(shownMessages().size(), messagesBefore + 1);
    EXPECT_EQ(shownMessages().back().text, c.message);
    EXPECT_EQ(shownMessages().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(printer().ops().empty());
  }
}

TEST_F(PrintButtonTest, CancelledDialogEndsEverything) {
  answerDialog(PrintDialogAnswer{0, {}, {}});
  Cmd_print_Click(source, recordingDrivers(0));
  EXPECT_EQ(dialogsShown(), 1);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(shownMessages().empty());
  EXPECT_EQ(source.fileReads, 0);
}

TEST_F(PrintButtonTest, StartDayByDesign) {
  struct Case {
    int design;
    QDate chosen;
    bool sundayStart;
    QDate expected;
  } cases[] = {
      {kDesignWeekRuled, QDate(2009, 3, 4), false, QDate(2009, 3, 2)},   // a Wednesday: its Monday
      {kDesignWeekRuled, QDate(2009, 3, 4), true, QDate(2009, 3, 1)},    // its Sunday
      {kDesignWeekRuled, QDate(2009, 3, 1), false, QDate(2009, 3, 2)},   // a Sunday opens the next Monday week
      {kDesignWeekRuled, QDate(2009, 3, 1), true, QDate(2009, 3, 1)},
      {kDesignWeekRuledWeekendRow, QDate(2009, 3, 4), true, QDate(2009, 3, 2)},    // 日曜始まり hidden: Monday
      {kDesignWeekHoursThreeColumns, QDate(2009, 3, 4), true, QDate(2009, 3, 2)},
      {kDesignWeekHoursNarrowWeekend, QDate(2009, 3, 7), true, QDate(2009, 3, 1)},
      {kDesignMonthGrid, QDate(2009, 3, 17), true, QDate(2009, 3, 1)},    // monthly designs ignore the day
      {kDesignYearCalendar, QDate(2009, 12, 31), false, QDate(2009, 12, 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("design %1 %2").arg(c.design).arg(c.chosen.toString()).toStdString());
    calls.clear();
    source.choose(c.design, 0, c.chosen);
    source.options.OptSundayStart = c.sundayStart ? 1 : 0;
    Cmd_print_Click(source, recordingDrivers(0));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].start, c.expected);
    EXPECT_EQ(calls[0].code, c.design * 10 + 1);
  }
}

TEST_F(PrintButtonTest, ThreeColumnDesignStartsMondayOnlyForItsJob) {
  source.choose(19, 1, QDate(2009, 3, 4));
  source.options.OptSundayStart = 1;
  Cmd_print_Click(source, recordingDrivers(1));
  ASSERT_EQ(calls.size(), 4u);
  for (const DriverCall& c : calls) EXPECT_EQ(c.sundayStart, 0);
  EXPECT_EQ(calls[0].code, DesignCodeOf(kDesignWeekHoursThreeColumns, 2));
  EXPECT_EQ(source.options.OptSundayStart, 1);
}

TEST_F(PrintButtonTest, EveryDriverIsAskedAndResultsAdd) {
  source.choose(12, 2, QDate(2009, 3, 4));
  Cmd_print_Click(source, recordingDrivers(1));
  ASSERT_EQ(calls.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(calls[i].driver, i);
  // The one before the accepting driver left the start alone; the drivers
  // after it see where the accepting one left it.
  EXPECT_EQ(calls[1].start, QDate(2009, 3, 2));
  EXPECT_EQ(calls[2].start, QDate(2009, 4, 2));
  EXPECT_TRUE(shownMessages().empty());
  EXPECT_EQ(printer().orientation(), kPortrait);
}

TEST_F(PrintButtonTest, FourFoldSizeAsksItsTwoDriversLandscape) {
  PaperSettings.SuperOrganiserMode = 1;
  int orientationDuringJob = 0;
  SchedulePrintDrivers d;
  d.fourFold.push_back([&](SchedulePrintSource&, int16_t&, QDate&) {
    orientationDuringJob = printer().orientation();
    calls.push_back({0, 0, {}, 0});
    return 0;
  });
  d.fourFold.push_back([&](SchedulePrintSource&, int16_t&, QDate&) {
    calls.push_back({1, 0, {}, 0});
    return 0;
  });
  d.normal.push_back([&](SchedulePrintSource&, int16_t&, QDate&) {
    ADD_FAILURE() << "normal drivers asked in the four-fold size";
    return 0;
  });
  source.choose(10, 0, QDate(2009, 3, 1));
  Cmd_print_Click(source, d);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_EQ(orientationDuringJob, kLandscape);
  EXPECT_EQ(messageTexts(), QStringList{kNotPrintable});
  EXPECT_EQ(printer().orientation(), kPortrait);  // back to portrait at the end
}

TEST_F(PrintButtonTest, NoDriverThenMessageThenTheJobEnds) {
  Cmd_print_Click(source, recordingDrivers(-1));
  EXPECT_EQ(messageTexts(), QStringList{kNotPrintable});
  EXPECT_EQ(shownMessages()[0].icon, platform::MsgIcon::Exclamation);
  // The job's end comes after the message.
  EXPECT_TRUE(printer().protocol().endsWith(QStringLiteral("end-job")));
  EXPECT_EQ(printer().opsOf(RecordedOp::EndJob).size(), 1u);
}

TEST_F(PrintButtonTest, EveryJobReadsTheFileAfresh) {
  const QDate day(2009, 3, 10);
  QStringList seen;
  SchedulePrintDrivers d;
  d.normal.push_back([&](SchedulePrintSource& s, int16_t&, QDate&) {
    QStringList texts;
    DayKind kind;
    s.GetDaySchedule(day, texts, kind);
    seen << texts.mid(1).join(u'|');
    return 1;
  });
  source.lines = {QStringLiteral("2009/03/10 予定 歯医者")};
  Cmd_print_Click(source, d);
  source.lines << QStringLiteral("2009/03/10 予定 会議");
  Cmd_print_Click(source, d);
  ASSERT_EQ(seen.size(), 2);
  EXPECT_FALSE(seen[0].contains(QStringLiteral("会議")));
  EXPECT_TRUE(seen[1].contains(QStringLiteral("会議")));
}

TEST_F(PrintButtonTest, UnreadableFileIsNamedOnceAndPagesPrintWithoutEntries) {
  source.unreadable = true;
  SchedulePrintDrivers d;
  int entries = 0;
  d.normal.push_back([&](SchedulePrintSource& s, int16_t&, QDate& start) {
    for (int i = 0; i < 40; ++i) {
      QStringList texts;
      DayKind kind;
      s.GetDaySchedule(start.addDays(i), texts, kind);
      entries += int(texts.size()) - 1;
    }
    return 1;
  });
  Cmd_print_Click(source, d);
  ASSERT_EQ(shownMessages().size(), 1u);
  EXPECT_TRUE(shownMessages()[0].text.contains(QStringLiteral("diduvuv.txt")));
  EXPECT_EQ(entries, 0);
}

TEST_F(PrintButtonTest, OddSheetCountsReachTheDrivers) {
  QStringList seen;
  SchedulePrintDrivers d;
  d.normal.push_back([&](SchedulePrintSource& s, int16_t&, QDate&) {
    seen << s.PrintControls().Txt_maisu;
    return 1;
  });
  const QStringList counts = {QString(), QStringLiteral("abc"), QStringLiteral("-3"), QStringLiteral("0.4"),
                              QStringLiteral("&HFFFF"), QStringLiteral("16383")};
  for (const QString& count : counts) {
    source.controls.Txt_maisu = count;
    Cmd_print_Click(source, d);
  }
  EXPECT_EQ(seen, counts);
  EXPECT_TRUE(shownMessages().empty());
}

}  // namespace
