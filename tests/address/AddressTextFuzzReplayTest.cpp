// The pasted-text harness over its seeds and every input it once failed on.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "fuzz/AddressFuzzTargets.h"

namespace {

TEST(AddressTextFuzzReplay, SeedsAndSavedInputsHoldEveryProperty) {
  int replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/fuzz/%1/address_text").arg(QString::fromLatin1(kind)),
                    QDir::Files);
    while (it.hasNext()) {
      QFile file(it.next());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      const QByteArray input = file.readAll();
      EXPECT_TRUE(fuzz::AddressText(reinterpret_cast<const uint8_t*>(input.constData()), input.size()))
          << file.fileName().toStdString();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
  EXPECT_TRUE(fuzz::AddressText(nullptr, 0));
}

}  // namespace
