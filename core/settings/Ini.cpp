#include "Ini.h"

#include <QFileInfo>

#include "AppGlobals.h"
#include "IniStore.h"
#include "core/platform/Codec.h"

namespace {
// The longest value the program reads back, in bytes.
constexpr int kMaxValueBytes = 254;

QString programSection(const QString& section) { return section.isEmpty() ? ExeName : section; }

// A value is one line of text ending at its first NUL, as the file format
// can hold nothing else; a line break would otherwise split the value and
// leave its rest in the file as a stray line or even a section header.
QByteArray storableValue(const QString& value) {
  QByteArray bytes = platform::ToSjis(value);
  qsizetype cut = bytes.size();
  for (char stop : {'\0', '\r', '\n'}) {
    const qsizetype at = bytes.indexOf(stop);
    if (at >= 0 && at < cut) cut = at;
  }
  bytes.truncate(cut);
  return bytes;
}
}  // namespace

QString SettingsFilePath() { return ProgramFolder + ExeName + QStringLiteral(".ini"); }

bool SettingsFileUnreadable() {
  const QString path = SettingsFilePath();
  return QFileInfo::exists(path) && IniStore::instance().document(path) == nullptr;
}

QString ReadPrivateIni(const QString& fileName, const QString& section, const QString& key) {
  const QString path = fileName.isEmpty() ? SettingsFilePath() : fileName;
  const IniDocument* doc = IniStore::instance().document(path);
  if (!doc) return {};
  const auto raw = doc->rawValue(programSection(section), key);
  if (!raw) return {};
  return platform::FromSjis(IniDocument::cleanValue(*raw, kMaxValueBytes));
}

QString GetIniValue(const QString& section, const QString& key) {
  return ReadPrivateIni(QString(), section, key);
}

QString GetIniValueOrDefault(const QString& section, const QString& key, const QString& defaultValue) {
  const QString value = GetIniValue(section, key);
  if (!value.isEmpty()) return value;
  WriteIniValue(section, key, defaultValue);
  return GetIniValue(section, key);
}

int16_t WriteIniValue(const QString& section, const QString& key, const QString& value) {
  return WriteIniValues(section, {{key, value}});
}

int16_t WriteIniValues(const QString& section, const std::vector<std::pair<QString, QString>>& values) {
  if (ExeName.isEmpty() && section.isEmpty()) return 0;
  std::vector<std::pair<QString, QByteArray>> stored;
  stored.reserve(values.size());
  bool all = true;
  for (const auto& [key, value] : values) {
    if (key.trimmed().isEmpty()) {
      all = false;
      continue;
    }
    stored.emplace_back(key, storableValue(value));
  }
  if (stored.empty()) return 0;
  const QString target = programSection(section);
  const bool ok = IniStore::instance().update(SettingsFilePath(),
                                              [&](IniDocument& doc) { doc.setValues(target, stored); });
  return ok && all ? 1 : 0;
}
