#pragma once
// Qt's own texts (file dialogs, printer setup, standard buttons, error
// strings) in Japanese, to match the rest of the program.
#include <QString>

// Makes Japanese the locale Qt takes for the system's (dates and numbers in
// the file dialogs) and the default one, whatever the user's environment
// says: the interface is Japanese. Called before the application object is
// made; the environment of started programs is left as it was.
void UseJapaneseSystemLocale();

// Loads and installs Qt's Japanese translations from the folder (Qt's own
// translations folder when empty), and the kinds of file the file dialogs
// name, which that catalogue lacks; false, with nothing installed, when they
// are missing: Qt's texts then stay English and nothing is reported.
bool InstallJapaneseQtTranslations(const QString& folder = QString());

// Removes what InstallJapaneseQtTranslations installed.
void RemoveJapaneseQtTranslations();
