// Every seam a test can set is put back between tests: a seam left out of
// ResetAllTestSeams would let one test's script answer the next test's dialog.
#include <gtest/gtest.h>

#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "TestSeams.h"
#include "core/platform/Clock.h"
#include "core/print/PrintSeams.h"

namespace {

QString SourceText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The names of the seam setters the program's headers declare.
QSet<QString> DeclaredSeams() {
  static const QRegularExpression seam(
      QStringLiteral(R"(\b((?:Set\w*(?:Handler|Override|Hook)|SetFixed\w+|Install\w*Surface))\s*\()"));
  QSet<QString> names;
  for (const char* folder :
       {"core", "schedule", "schedule_print", "todo_memo", "address", "ruled_photo", "tables_cards", "charts"}) {
    QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/") + QLatin1String(folder), {QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      auto matches = seam.globalMatch(SourceText(it.next()));
      while (matches.hasNext()) names.insert(matches.next().captured(1));
    }
  }
  return names;
}

}  // namespace

TEST(TestSeams, EverySeamTheHeadersDeclareIsReset) {
  const QString reset = SourceText(QStringLiteral(RINGPAD_SOURCE_DIR "/tests/support/TestSeams.cpp"));
  ASSERT_FALSE(reset.isEmpty());
  QSet<QString> seams = DeclaredSeams();
  EXPECT_GE(seams.size(), 20);  // the scan found the headers
  // The program itself registers the schedule printing there, once.
  seams.remove(QStringLiteral("SetSchedulePrintHandler"));
  for (const QString& name : seams)
    EXPECT_TRUE(reset.contains(name + QLatin1Char('('))) << name.toStdString() << " is not reset";
}

TEST(TestSeams, ResetReturnsToTheClockAndTheRealDialog) {
  platform::SetFixedToday(QDate(2001, 2, 3));
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{}; });
  ResetAllTestSeams();
  EXPECT_EQ(platform::Today(), QDate::currentDate());
  EXPECT_FALSE(CurrentPrintDialogHandler());
}
