// The harnesses of the files a user can be handed (table, charts, cards, a
// photo's side file) over their seeds and every input they once failed on.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "fuzz/DataFileFuzzTargets.h"

namespace {

TEST(DataFileFuzzReplay, SeedsAndSavedInputsHoldEveryProperty) {
  const struct {
    const char* name;
    bool (*harness)(const uint8_t*, size_t);
  } harnesses[] = {{"table_file", fuzz::TableFile},
                   {"gantt_file", fuzz::GanttFile},
                   {"tree_file", fuzz::TreeFile},
                   {"card_layout", fuzz::CardLayout},
                   {"photo_side_file", fuzz::PhotoSideFile}};
  for (const auto& h : harnesses) {
    int replayed = 0;
    for (const char* kind : {"corpus", "regressions"}) {
      QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/fuzz/%1/%2")
                          .arg(QString::fromLatin1(kind), QString::fromLatin1(h.name)),
                      QDir::Files);
      while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        EXPECT_TRUE(h.harness(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())))
            << file.fileName().toStdString();
        ++replayed;
      }
    }
    EXPECT_GT(replayed, 0) << h.name;
    EXPECT_TRUE(h.harness(nullptr, 0)) << h.name;
  }
}

}  // namespace
