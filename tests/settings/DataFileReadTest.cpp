// The whole read of a page window's own file takes text in either of the
// files' encodings and refuses what is no text, keeping nothing of it.
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
      {"a NUL in a line", QByteArray("a,b\r\nc\0d\r\n", 10) + sjis, false},
      {"UTF-16", QByteArray("\xFF\xFEh\0i\0", 6), false},
      {"random bytes", noise, false},
      {"a lead byte with no trail", sjis + "\x82", false},
      {"a lead byte before a line end", "\x82\r\n", false},
      {"a pair code page 932 has no character for", "\x85\x40\r\n", false},
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
