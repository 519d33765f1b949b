// The whole read of a page window's own file takes text in either of the
// files' encodings, stray bytes and all, and refuses what is no text,
// keeping nothing of it.
#include <QFile>

#include "SettingsTestSupport.h"
#include "core/platform/Codec.h"
#include "core/platform/ProblemReport.h"
#include "core/settings/DataFileRead.h"

namespace {

using DataFileReadTest = SettingsTest;

TEST_F(DataFileReadTest, TextInEitherEncodingIsReadAndAnythingElseRefused) {
  QByteArray noise;
  for (quint32 x = 7, i = 0; i < 2048; ++i) noise.append(char((x = x * 1664525u + 1013904223u) >> 24));
  const QByteArray sjis = platform::ToSjis(QStringLiteral("題名,予定\r\n①㈱髙,ｶﾅ\r\n"));
  const struct {
    const char* name;
    QByteArray bytes;
    bool text;
  } cases[] = {
      {"empty", QByteArray(), true},
      {"code page 932", sjis, true},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + QStringLiteral("題名,予定\r\n").toUtf8(), true},
      // Typed into a box, control characters reach the file and come back.
      {"control characters", "a\x01\x02\x7f\tb\x1a\r\n", true},
      // Single bytes with no character, as Windows reads them.
      {"Windows single bytes", "\x80\xA0\xFD\xFE\xFF\r\n", true},
      // Left by another program on Windows: read as a mark the user sees.
      {"a lead byte that makes no character", "x\x81\xB6y\r\n\x85\x40" + sjis + "\x82", true},
      {"a NUL in a line", QByteArray("a,b\r\nc\0d\r\n", 10) + sjis, false},
      {"random bytes", noise, false},
      // Japanese UTF-16 text holds no NUL byte; its mark tells.
      {"UTF-16 little-endian", "\xFF\xFE\x88\x4E\x9A\x5B", false},
      {"UTF-16 big-endian", "\xFE\xFF\x4E\x88\x5B\x9A", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = homeFile(QStringLiteral("data.csv"));
    WriteBytes(path, c.bytes);
    QByteArray content = "stale";
    platform::ProblemReport problem;
    const DataFileRead read = ReadDataFileWithinLimit(path, content, problem);
    EXPECT_EQ(read, c.text ? DataFileRead::Read : DataFileRead::NotText);
    EXPECT_EQ(content, c.text ? c.bytes : QByteArray());
    if (c.text) continue;
    EXPECT_EQ(problem.problem, platform::Problem::NotTextFile);
    EXPECT_EQ(platform::ProblemMessage(problem).text,
              QStringLiteral("「") + path + QStringLiteral("」はテキストファイルではないので、読み込めません。"));
    EXPECT_EQ(platform::ProblemMessage(problem).icon, platform::MsgIcon::Exclamation);
  }
}

}  // namespace
