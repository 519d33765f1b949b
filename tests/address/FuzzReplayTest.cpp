// The address line harness over its seeds and every input it once crashed on.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include "fuzz/AddressFuzzTargets.h"

namespace {

TEST(AddressFuzzReplay, SeedsAndSavedCrashInputsHoldEveryProperty) {
  int replayed = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    QDirIterator it(QStringLiteral(RINGPAD_SOURCE_DIR "/fuzz/%1/address_line").arg(QString::fromLatin1(kind)),
                    QDir::Files);
    while (it.hasNext()) {
      QFile file(it.next());
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      const QByteArray input = file.readAll();
      EXPECT_TRUE(fuzz::AddressLine(reinterpret_cast<const uint8_t*>(input.constData()), input.size()))
          << file.fileName().toStdString();
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0);
  const QByteArray huge = QByteArray(70000, '"') + QByteArray(70000, '\x81') + QByteArray(70000, ',');
  EXPECT_TRUE(fuzz::AddressLine(reinterpret_cast<const uint8_t*>(huge.constData()), huge.size()));
  EXPECT_TRUE(fuzz::AddressLine(nullptr, 0));
}

}  // namespace
