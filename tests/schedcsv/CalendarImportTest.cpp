// Imports of real calendar exports, of the program's own export, and of
// bad files, through the schedule window.
#include <QFile>
#include <cerrno>

#include "FileCommandsTest.h"
#include "core/platform/Codec.h"
#include "core/platform/SystemError.h"
#include "core/platform/TextLines.h"
#include "schedule/ScheduleCsvExport.h"
#include "schedule/ScheduleCsvImportRun.h"

namespace {

class CalendarImport : public FileCommandsTest {
 protected:
  void TearDown() override {
    SetImportCancelHook({});
    SetImportReadFaultHook({});
    FileCommandsTest::TearDown();
  }

  // The window on an empty schedule file; the import of the given bytes.
  // The boxes after the notice get the answers given, in order.
  ScheduleWindow& Import(const QByteArray& csv, std::initializer_list<platform::MsgResult> answers = {}) {
    const QString name = QStringLiteral("in.csv");
    WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), QByteArray());
    ScheduleWindow& w = Open();
    WriteBytes(homeFile(name), csv);
    messages().clear();
    messages().answer(platform::MsgResult::Ok);
    for (platform::MsgResult a : answers) messages().answer(a);
    Choose(homeFile(name));
    w.Cmd_Fileimport->click();
    return w;
  }

  QStringList ScheduleLines() const {
    QStringList lines = platform::FromSjis(Schedule()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
  }

  // The boxes after the import's notice.
  QStringList Shown() {
    QStringList texts = messages().texts();
    if (!texts.isEmpty()) texts.removeFirst();
    return texts;
  }
};

TEST_F(CalendarImport, ADesktopMailProgramsExport) {
  Import(FixtureBytes(QStringLiteral("mail_calendar.csv")));
  // The subject is the text, the start time the time; end dates and flags
  // never become text; the multi-line note joins after the place; an
  // all-day event has no time although its start time says 0:00.
  EXPECT_EQ(ScheduleLines(), (QStringList{"2025/05/12,時刻,10:00 定例会議,第1会議室,議題: ・予算 ・人員",
                                          "2025/06/01,　　,創立記念日", "2025/05/20,時刻,15:30 歯医者"}));
  ASSERT_EQ(Shown().size(), 1);
  EXPECT_TRUE(Shown()[0].startsWith(QStringLiteral("インポートできなかった行が1行ありました。\r\n"
                                                   "6行目: 日付が読めないので読み飛ばしました (\"壊れた行\",")))
      << Shown()[0].toStdString();
}

TEST_F(CalendarImport, AWebCalendarsExportInUtf8WithOrWithoutAByteOrderMark) {
  const QByteArray utf8 = FixtureBytes(QStringLiteral("web_calendar.csv"));
  for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
    // The character Shift-JIS cannot hold is named once, before writing.
    Import(bytes);
    EXPECT_EQ(ScheduleLines(), (QStringList{"2025/05/13,時刻,12:30 Team lunch ?,Sushi bar, 2F",
                                            "2025/06/01,　　,誕生日会,Bring cake", "2025/05/20,時刻,15:30 Dentist"}));
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].contains(QString::fromUcs4(U"\U0001F363", 1))) << Shown()[0].toStdString();
    EXPECT_EQ(messages().shown().back().buttons, platform::MsgButtons::OkCancel);
  }

  // Declining the question writes nothing.
  QFile::remove(homeFile(QStringLiteral("ringpad.tmp")));
  Import(utf8, {platform::MsgResult::Cancel});
  EXPECT_TRUE(Schedule().isEmpty());
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
}

TEST_F(CalendarImport, TheProgramsOwnExportComesBackWhole) {
  const QStringList schedule = {
      "    /01/01 祝日 元旦",  // holidays are not exported
      "2001/05/03,　　,会議",
      "2001/05/03,赤　,彼は\"OK\",と言った,２回",
      "2001/05/03,紫　,\"引用\"から",
      "2001/05/04 青　 買い物",  // written by the to-do window
      "2001/05/03,時刻,09:30 打合せ",
      "2001/05/03,記号,♪",
      "    /05/03,毎年,誕生日",
      "    /02/29,毎年,閏日",
      "    /  /25,毎月,給料日",
      "    /  /  ,毎週,月曜:朝会",
      "    /  /  ,第２,火曜:ゴミ",
      "    /05/  ,月３,日曜:町内会",
      "1970/05/03,記念,結婚",
      "    /08/01,記念,創立",
      "2001/06/01,公休,",
      "2001/06/02,出勤,",
      "2001/06/03,秘密,暗証",
      "2001/06/04,予定,～03週:設計",
      "2001/06/04,実績,～02週:設計",
      "2001/06/05,完了,提出",
  };
  const QByteArray csv = platform::JoinLinesCrLf(ScheduleCsvExport(schedule));
  ScheduleWindow& w = Import(csv);
  QStringList expected = schedule.mid(1);
  expected[3] = "2001/05/04,青　,買い物";
  EXPECT_EQ(ScheduleLines(), expected);
  EXPECT_TRUE(Shown().isEmpty());

  // Again: nothing new.
  const QByteArray once = Schedule();
  Choose(homeFile(QStringLiteral("in.csv")));
  w.Cmd_Fileimport->click();
  EXPECT_EQ(Schedule(), once);
}

TEST_F(CalendarImport, BadInputIsReportedOnceAndTheRestImported) {
  // An open quote runs to the end of the file and is named.
  Import(platform::ToSjis(QStringLiteral("日付,種類,内容\r\n2001/5/3,赤,会議\r\n2001/5/4,,\"閉じない\r\n"
                                         "2001/5/5,,次\r\n")));
  EXPECT_EQ(ScheduleLines(), QStringList{"2001/05/03,赤　,会議"});
  ASSERT_EQ(Shown().size(), 1);
  EXPECT_EQ(Shown()[0], QStringLiteral("インポートできなかった行が1行ありました。\r\n"
                                       "3行目: 引用符(\")が閉じていないので、ファイルの終わりまで読み飛ばしました"));

  // 10,000 columns: the subject is found and nothing else taken.
  QString header = QStringLiteral("件名,開始日");
  QString row = QStringLiteral("会議,2001/5/3");
  for (int i = 0; i < 9998; ++i) {
    header += QStringLiteral(",c");
    row += QStringLiteral(",x");
  }
  Import(platform::ToSjis(header + QStringLiteral("\r\n") + row + QStringLiteral("\r\n")));
  EXPECT_EQ(ScheduleLines(), QStringList{"2001/05/03,　　,会議"});
  EXPECT_TRUE(Shown().isEmpty());

  // A first line without a date is a header, never a row.
  Import(platform::ToSjis(QStringLiteral("予定一覧,メモ\r\n2001/5/3,会議\r\n")));
  EXPECT_EQ(ScheduleLines(), QStringList{"2001/05/03,　　,会議"});
  EXPECT_TRUE(Shown().isEmpty());

  // Day-first dates, settled by a day over 12.
  Import(platform::ToSjis(QStringLiteral("13/5/2001,会議\r\n3/5/2001,出張\r\n")));
  EXPECT_EQ(ScheduleLines(), (QStringList{"2001/05/13,　　,会議", "2001/05/03,　　,出張"}));
}

TEST_F(CalendarImport, ACancelWritesNothing) {
  QByteArray csv = platform::ToSjis(QStringLiteral("日付,種類,内容\r\n"));
  for (int i = 0; i < 3000; ++i) csv += "2001/05/03,," + QByteArray::number(i) + "\r\n";
  int calls = 0;
  SetImportCancelHook([&calls](int) { return ++calls > 3; });
  Import(csv);
  EXPECT_TRUE(Schedule().isEmpty());
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
  EXPECT_TRUE(Shown().isEmpty());
  EXPECT_GT(calls, 3);
}

// A disk that fails in the middle of the import (the file is bigger than
// one read) or at the start of the column pass: the rows read before are
// not the file, so nothing is written, and the failure is named once.
TEST_F(CalendarImport, AReadThatFailsOnTheWayWritesNothing) {
  QByteArray csv = platform::ToSjis(QStringLiteral("日付,種類,内容\r\n"));
  for (int i = 0; i < 60000; ++i) csv += "2001/05/03,," + QByteArray::number(i) + "\r\n";
  ASSERT_GT(csv.size(), 1 << 20);
  const QString failed = QStringLiteral("「") + homeFile(QStringLiteral("in.csv")) +
                         QStringLiteral("」を読み込めませんでした。(") + platform::SystemErrorText(EIO) +
                         QStringLiteral(")");
  enum class FailFrom { RowPass, ColumnPass };
  for (const FailFrom from : {FailFrom::RowPass, FailFrom::ColumnPass}) {
    SCOPED_TRACE(from == FailFrom::RowPass ? "row pass" : "column pass");
    // The column pass reports once, at its end, with the few records it
    // needed; the row pass every 512 records, well inside its first read.
    bool rowPassUnderWay = false;
    SetImportCancelHook([&rowPassUnderWay](int records) {
      if (records >= 512) rowPassUnderWay = true;
      return false;
    });
    int reads = 0;
    SetImportReadFaultHook([&] {
      ++reads;
      return from == FailFrom::RowPass ? rowPassUnderWay : reads > 2;  // after the encoding pass's two
    });
    QFile::remove(homeFile(QStringLiteral("ringpad.tmp")));
    Import(csv);
    EXPECT_TRUE(Schedule().isEmpty());
    EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
    EXPECT_EQ(Shown(), QStringList{failed});
    if (from == FailFrom::RowPass) {
      EXPECT_TRUE(rowPassUnderWay);
    }
  }
}

}  // namespace
