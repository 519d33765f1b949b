// The import of another program's schedule CSV through the schedule window.
#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "FileCommandsTest.h"
#include "core/platform/Codec.h"

namespace {

using Import = FileCommandsTest;

const QString kIntro = QStringLiteral(
    "インポート機能\r\n\r\n・この機能はテスト中なので注意して使ってください。\r\n"
    "　(表示中のファイルを書き換えるので、バックアップしてください）\r\n\r\n"
    "・他のスケジュールソフトで出力したCSV形式のスケジュールを\r\n　表示中のスケジュールファイルに追記します。\r\n\r"
    "\n");

// The fixture schedule as every import writes it back: commas at 11 and 14.
const QStringList kStoredWithCommas = {
    "    /01/01,祝日,元旦",      "    /05/03,祝日,憲法記念日",   "    /05/03,毎年,誕生日", "2001/05/03,赤　,会議",
    "    /  /  ,毎週,月曜:朝会", "2001/05/10,　　,打合せ, 本社", "2001/06/01,公休,",       "2001/06",
    "2003/07/21,祝日,海の日",
};

QByteArray FileOf(const QStringList& lines) { return platform::ToSjis(lines.join(QStringLiteral("\r\n")) + "\r\n"); }

QString CopyFixture(const QString& name, const QString& home) {
  WriteBytes(home + name, FixtureBytes(name));
  return home + name;
}

TEST_F(Import, AppendsTheNewRowsAndKeepsTheOldFileInRingpadTmp) {
  ScheduleWindow& w = OpenOnFixture();
  const QByteArray before = Schedule();
  Choose(CopyFixture(QStringLiteral("header_comma.csv"), home()));
  w.Cmd_Fileimport->click();

  // 2001/05/03 赤 会議 is held already once its separators are commas.
  EXPECT_EQ(Schedule(), FileOf(kStoredWithCommas + QStringList{"2001/05/04,　　,資料, 第2版",
                                                               "2001/05/05,記念,彼は\"大丈夫\"と言った",
                                                               "2001/05/07,黄　,ランチ"}));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("ringpad.tmp"))), before);
  EXPECT_EQ(messages().texts(), QStringList{kIntro});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_TRUE(w.isEnabled());

  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].open);
  EXPECT_EQ(requests[0].folder, home());
  EXPECT_EQ(requests[0].fileName, QStringLiteral("diduvuv.txt"));
  EXPECT_EQ(requests[0].filter, QStringLiteral("CSVファイル (*.csv)|*.csv|全て (*.*)|*.*||"));
  EXPECT_EQ(requests[0].filterIndex, 1);
  EXPECT_EQ(requests[0].defaultExtension, QStringLiteral("txt"));
}

TEST_F(Import, ARepeatedImportAddsNothing) {
  ScheduleWindow& w = OpenOnFixture();
  for (const char* name : {"header_comma.csv", "header_tab.txt", "no_header.csv"}) {
    const QString csv = CopyFixture(QString::fromLatin1(name), home());
    Choose(csv);
    w.Cmd_Fileimport->click();
    const QByteArray once = Schedule();
    Choose(csv);
    w.Cmd_Fileimport->click();
    EXPECT_EQ(Schedule(), once) << name;
    EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("ringpad.tmp"))), once) << name;
  }
}

TEST_F(Import, ABrokenDateIsReportedAndTheOtherRowsAreImported) {
  ScheduleWindow& w = OpenOnFixture();
  Choose(CopyFixture(QStringLiteral("no_header.csv"), home()));
  w.Cmd_Fileimport->click();
  EXPECT_EQ(Schedule(), FileOf(kStoredWithCommas +
                               QStringList{"2001/05/03,時刻,10:00 打合せ", "2001/05/04,時刻,13:00 来客, 応接室"}));
  // One summary at the end names the skipped rows, never a box per row.
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_EQ(messages().shown()[1].text,
            QStringLiteral("インポートできなかった行が1行ありました。\r\n"
                           "2行目: 日付が読めないので読み飛ばしました (2001/02/30,10:00,11:00,壊れた日付)"));
  EXPECT_EQ(messages().shown()[1].icon, platform::MsgIcon::Information);
  EXPECT_EQ(messages().shown()[1].buttons, platform::MsgButtons::Ok);
}

TEST_F(Import, TheNewEntriesShowInTheMonthList) {
  SetScheduleToday(QDate(2001, 5, 1));
  ScheduleWindow& w = OpenOnFixture();
  const int before = w.List1->count();
  Choose(CopyFixture(QStringLiteral("header_tab.txt"), home()));
  w.Cmd_Fileimport->click();
  EXPECT_EQ(w.List1->count(), before + 3);
}

struct Refusal {
  const char* name;
  QByteArray bytes;
  QString message;  // "" : any refusal; %1 stands for the chosen path
};

// Whatever is wrong with the chosen file, a message says so before anything
// is written: the schedule stays byte for byte and no "ringpad.tmp" appears.
TEST_F(Import, BadFilesAreRefusedWithAMessageAndTheScheduleUnchanged) {
  const QString noDate = QStringLiteral("このファイル(%1)には、インポートできません。\r\nインポートしたい場合は、");
  QByteArray wide;
  for (int i = 1; i <= 300; ++i) wide += "column" + QByteArray::number(i) + (i < 300 ? "," : "\r\n");
  const Refusal cases[] = {
      {"empty.csv", QByteArray(), noDate},
      {"blank.csv", QByteArray("\r\n  \r\n"), noDate},
      {"header_only.csv", platform::ToSjis(QStringLiteral("日付,種類,内容\r\n")), noDate},
      {"wide.csv", wide + wide, noDate},
      {"binary.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR2001/05/03", 26),
       QStringLiteral("このファイル(%1)はテキストファイルではないので、インポートできません。")},
      {"utf16.csv", QByteArray("\xFF\xFE", 2) + QStringLiteral("2001/5/3,a").toUtf8(),
       QStringLiteral("このファイル(%1)はUTF-16で書かれているので、インポートできません。")},
      {"calendar.ocl", QByteArray("2001/5/3,a\r\n"),
       QStringLiteral("このファイルはインポートできません。\r\nインポートしたい場合、要望を掲示板に書いてください。")},
      {"calendar.Xml", QByteArray("2001/5/3,a\r\n"),
       QStringLiteral("このファイルはインポートできません。\r\nインポートしたい場合、要望を掲示板に書いてください。")},
  };
  ScheduleWindow& w = OpenOnFixture();
  const QByteArray before = Schedule();
  for (const Refusal& c : cases) {
    const QString path = homeFile(QString::fromLatin1(c.name));
    WriteBytes(path, c.bytes);
    const QStringList shown = PressAfterNotice(w.Cmd_Fileimport, path);
    ASSERT_EQ(shown.size(), 1) << c.name;
    EXPECT_EQ(messages().shown().back().icon, platform::MsgIcon::Exclamation) << c.name;
    if (!c.message.isEmpty()) {
      EXPECT_TRUE(shown[0].startsWith(QString(c.message).replace(QStringLiteral("%1"), path)))
          << c.name << ": " << shown[0].toStdString();
    }
    EXPECT_EQ(Schedule(), before) << c.name;
    EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp")))) << c.name;
    EXPECT_TRUE(w.isEnabled()) << c.name;
  }
}

TEST_F(Import, FieldsPastThreeHundredStayInTheOwnExportsText) {
  ScheduleWindow& w = OpenOnFixture();
  QString row = QStringLiteral("2001/05/20,赤,会議");
  for (int i = 4; i <= 400; ++i) row += QStringLiteral(",f%1").arg(i);
  WriteBytes(homeFile(QStringLiteral("wide.csv")), platform::ToSjis(QStringLiteral("日付,種類,内容\r\n") + row));
  Choose(homeFile(QStringLiteral("wide.csv")));
  w.Cmd_Fileimport->click();
  // The program's own header: every field after the text is the text's.
  QString text = QStringLiteral("会議");
  for (int i = 4; i <= 400; ++i) text += QStringLiteral(",f%1").arg(i);
  EXPECT_EQ(Schedule(), FileOf(kStoredWithCommas + QStringList{"2001/05/20,赤　," + text}));
  EXPECT_EQ(messages().shown().size(), 1u);
}

TEST_F(Import, TheShownScheduleFileItselfIsRefusedHoweverItsPathIsWritten) {
  ScheduleWindow& w = OpenOnFixture();
  const QByteArray before = Schedule();
  const QString refused = QStringLiteral("表示中のファイルはインポートできません。");
  QDir().mkpath(home() + QStringLiteral("sub"));
  ASSERT_TRUE(QFile::link(homeFile(QStringLiteral("diduvuv.txt")), homeFile(QStringLiteral("sub/link.txt"))));
  for (const QString& chosen : {homeFile(QStringLiteral("diduvuv.txt")), QStringLiteral("sub/../diduvuv.txt"),
                                homeFile(QStringLiteral("sub/link.txt"))}) {
    EXPECT_EQ(PressAfterNotice(w.Cmd_Fileimport, chosen), QStringList{refused}) << chosen.toStdString();
    EXPECT_EQ(messages().shown().back().icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(Schedule(), before);
  }

  // A file of the same name in another folder is another file.
  WriteBytes(homeFile(QStringLiteral("sub/diduvuv.txt")),
             platform::ToSjis(QStringLiteral("日付,内容\r\n2001/5/9,別\r\n")));
  EXPECT_EQ(PressAfterNotice(w.Cmd_Fileimport, homeFile(QStringLiteral("sub/diduvuv.txt"))), QStringList());
  EXPECT_EQ(Schedule(), FileOf(kStoredWithCommas + QStringList{"2001/05/09,　　,別"}));

  // The schedule stored by a relative name.
  WriteSchedule(QStringLiteral("sub/x.txt"), {QStringLiteral("2025/06/03,　　,会議")});
  Choose(homeFile(QStringLiteral("sub/x.txt")));
  w.Cmd_FileRead->click();
  ASSERT_EQ(w.ScheduleFilePath, QStringLiteral("./sub/x.txt"));
  EXPECT_EQ(PressAfterNotice(w.Cmd_Fileimport, homeFile(QStringLiteral("sub/x.txt"))), QStringList{refused});
}

TEST_F(Import, AScheduleThatCannotBeReadIsNotReplacedByTheRowsAlone) {
  ScheduleWindow& w = OpenOnFixture();
  QFile::remove(homeFile(QStringLiteral("diduvuv.txt")));
  QDir().mkpath(homeFile(QStringLiteral("diduvuv.txt")));  // a folder where the file was
  Choose(CopyFixture(QStringLiteral("header_comma.csv"), home()));
  w.Cmd_Fileimport->click();
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_TRUE(messages().shown()[1].text.contains(QStringLiteral("を読み込めませんでした。")));
  EXPECT_TRUE(QFileInfo(homeFile(QStringLiteral("diduvuv.txt"))).isDir());
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(Import, ACancelledDialogEndsTheImport) {
  ScheduleWindow& w = OpenOnFixture();
  Choose(QString());
  w.Cmd_Fileimport->click();
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(Schedule(), FixtureBytes(QStringLiteral("schedule.txt")));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
}

}  // namespace
