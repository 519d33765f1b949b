// A large import keeps every new row and skips the rows the schedule already
// holds; its time is measured in bench/bench_schedule_import.
#include <QPushButton>

#include "FileCommandsTest.h"
#include "core/platform/Codec.h"

namespace {

using LargeImport = FileCommandsTest;

constexpr int kLines = 10000;

QString DateOf(int i) { return QDate(2001, 1, 1).addDays(i % 3000).toString(QStringLiteral("yyyy/MM/dd")); }

TEST_F(LargeImport, TenThousandRowsIntoTenThousandLines) {
  QByteArray schedule;
  for (int i = 0; i < kLines; ++i) schedule += platform::ToSjis(DateOf(i) + QStringLiteral(" 　　 予定%1\r\n").arg(i));
  // Every other row repeats a stored line; the others are new.
  QByteArray csv = platform::ToSjis(QStringLiteral("日付,種類,内容\r\n"));
  for (int i = 0; i < kLines; ++i) {
    const int n = i % 2 == 0 ? i : kLines + i;
    csv += platform::ToSjis(DateOf(i) + QStringLiteral(",,予定%1\r\n").arg(n));
  }
  WriteBytes(homeFile(QStringLiteral("big.csv")), csv);
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), schedule);
  ScheduleWindow& w = Open();
  messages().clear();

  Choose(homeFile(QStringLiteral("big.csv")));
  w.Cmd_Fileimport->click();

  const QStringList lines =
      platform::FromSjis(ReadBytes(homeFile(QStringLiteral("diduvuv.txt")))).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.size(), kLines + kLines / 2 + 1);  // the last CR LF leaves an empty piece
  EXPECT_EQ(lines[kLines], DateOf(1) + QStringLiteral(",　　,予定%1").arg(kLines + 1));
}

}  // namespace
