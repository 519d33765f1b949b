#include "ScheduleWindowTest.h"

#include <QListWidget>

#include "core/platform/TextLines.h"

QStringList ListTexts(const ScheduleWindow& window) {
  QStringList texts;
  for (int i = 0; i < window.List1->count(); ++i) texts << window.List1->item(i)->text();
  return texts;
}

QByteArray FixtureBytes(const QString& name) {
  return ReadBytes(QStringLiteral(RINGPAD_TEST_FIXTURES "/") + name);
}

QStringList FixtureLines(const QString& name) {
  QStringList lines;
  platform::ReadTextLines(QStringLiteral(RINGPAD_TEST_FIXTURES "/") + name, lines);
  return lines;
}
