// Every seed of the fuzz corpus and every input a fuzzer once crashed on
// (fuzz/regressions/<harness>/) goes through the harness bodies here, so a
// mended crash stays mended in the ordinary test run.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>

#include "fuzz/FuzzTargets.h"

namespace {

using Harness = bool (*)(const uint8_t*, size_t);

struct Target {
  const char* name;
  Harness run;
};

const Target kTargets[] = {
    {"csv_line", fuzz::CsvLine},       {"param_item", fuzz::ParamItem},
    {"sjis_decode", fuzz::SjisDecode}, {"sjis_encode", fuzz::SjisEncode},
    {"ini_reader", fuzz::IniReader},   {"sorted_file", fuzz::SortedFile},
};

TEST(FuzzReplay, SeedsAndSavedCrashInputsHoldEveryProperty) {
  int replayed = 0;
  for (const Target& t : kTargets) {
    for (const char* kind : {"corpus", "regressions"}) {
      const QString folder = QStringLiteral(RINGPAD_SOURCE_DIR "/fuzz/%1/%2").arg(kind, t.name);
      QDirIterator it(folder, QDir::Files);
      while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray input = file.readAll();
        EXPECT_TRUE(t.run(reinterpret_cast<const uint8_t*>(input.constData()), input.size()))
            << file.fileName().toStdString();
        ++replayed;
      }
    }
  }
  EXPECT_GT(replayed, 0);
}

TEST(FuzzReplay, HarnessesTakeEmptyAndHugeInputs) {
  const QByteArray huge = QByteArray(70000, '"') + QByteArray(70000, '\x81') + QByteArray(70000, ',');
  for (const Target& t : kTargets) {
    EXPECT_TRUE(t.run(nullptr, 0)) << t.name;
    EXPECT_TRUE(t.run(reinterpret_cast<const uint8_t*>(huge.constData()), huge.size())) << t.name;
  }
}

}  // namespace
