#pragma once
// The quick-pick texts of the schedule window's entry box, kept in the
// settings section DIDUVUV: the phrases under "SAMPLE01" on and the symbols
// of the kind 記号 under "ICON01" on. The run of keys from 01 up to the
// first empty one is loaded; when key 01 is empty, the defaults are written
// over the first keys first.
#include <QString>
#include <QStringList>

// Entries 0 to 50; entry 0 and the entries after the run stay empty.
constexpr int kStoredTextCount = 50;

QStringList DefaultStoredPhrases();  // 27 texts, "(空白行)" first
QStringList DefaultSymbols();        // 15 symbols, "♪" first

// Loads the texts of the keys prefix + two digits.
QStringList LoadStoredTexts(const QString& prefix, const QStringList& defaults);
QStringList LoadStoredPhrases();  // SAMPLE
QStringList LoadSymbolList();     // ICON
