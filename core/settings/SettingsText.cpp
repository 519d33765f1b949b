#include "SettingsText.h"

QString RgbSettingText(int32_t value) {
  QString digits = QString::number(static_cast<uint32_t>(value), 16).toUpper();
  // Four digits from 8000 to FFFF read back as a negative 16-bit number, so a
  // colour such as yellow (&HFFFF) would come back as -1: one leading zero
  // makes it read as the 32-bit value it is.
  if (digits.size() == 4 && digits.at(0) >= u'8') digits.prepend(u'0');
  return QStringLiteral("&H") + digits;
}

QString SingleText(float value) {
  return QString::number(static_cast<double>(value), 'g', 7).toUpper();
}
