#pragma once
// Qt's own texts (file dialogs, printer setup, standard buttons, error
// strings) in Japanese, to match the rest of the program.
#include <QString>

// Loads and installs Qt's Japanese translations from the folder (Qt's own
// translations folder when empty); false, with nothing installed, when they
// are missing: Qt's texts then stay English and nothing is reported.
bool InstallJapaneseQtTranslations(const QString& folder = QString());

// Removes what InstallJapaneseQtTranslations installed.
void RemoveJapaneseQtTranslations();
