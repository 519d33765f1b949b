#pragma once
// The settings file: a private-profile text file in code page 932, named after
// the executable, in the program folder.
#include <QString>
#include <utility>
#include <vector>
#include <cstdint>

// ProgramFolder + ExeName + ".ini".
QString SettingsFilePath();

// True when the settings file exists but cannot be read (its failure has
// been shown): its keys then read empty, which is neither a first run nor a
// new version, and no stored file name may be taken as missing.
bool SettingsFileUnreadable();

// Reads one value: "" for a missing file, section or key. An empty file name
// is the settings file; an empty section is the program section. The value is
// cut at its first NUL and at 254 bytes (never inside a double-byte
// character) and trimmed of blanks.
QString ReadPrivateIni(const QString& fileName, const QString& section, const QString& key);

// ReadPrivateIni on the settings file.
QString GetIniValue(const QString& section, const QString& key);

// Reads the value; when it is "", writes the default and reads again.
QString GetIniValueOrDefault(const QString& section, const QString& key, const QString& defaultValue);

// Writes a value into the settings file, creating file, section and key as
// needed; an empty section is the program section. The value is stored up to
// its first NUL or line break, which the file cannot hold. Non-zero on
// success; a failure (read-only or full disk) returns 0 without a message and
// leaves the file byte for byte as it was. Inside an IniWriteBatch the file
// is written when the batch ends.
int16_t WriteIniValue(const QString& section, const QString& key, const QString& value);

// WriteIniValue for each key of one section in the order given, in one
// rewrite of the file; keys that are blank are left out. Non-zero when every
// key was written.
int16_t WriteIniValues(const QString& section, const std::vector<std::pair<QString, QString>>& values);
