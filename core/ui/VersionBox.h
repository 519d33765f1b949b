#pragma once
// The texts of the version box and the help it points to: the README of the
// installed program, or else the program's own help page, written into the
// program folder, so that the address shown always exists.
#include <QString>

// The help the version box and the home page items name: the installed
// README when there is one, else the program's help page (written when
// missing or out of date; during start-up, once the main window has
// painted).
QString HomePageAddress();

// The README installed with an executable in exeFolder: the shared
// documentation folder of its installation prefix, or a copy beside it (a
// portable copy); "" when there is none. A source checkout above a build
// folder does not count: deleting it would leave the address dangling.
QString InstalledReadme(const QString& exeFolder);

// Where the program's own help page lives in the program folder.
QString HelpPagePath();

// The text of the version box, lines separated by CR LF.
QString VersionBoxText(const QString& exeName, const QString& version, const QString& homePage);

// The title of the version box.
QString VersionBoxTitle();
