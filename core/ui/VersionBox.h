#pragma once
// The texts of the version box and the home page it names: the README of the
// installed program, opened with the desktop's viewer.
#include <QString>

// The README beside the executable or in the folders above it (a build tree
// keeps the executable two folders below the README); the program folder's
// copy when there is one.
QString HomePageAddress();

// The text of the version box, lines separated by CR LF.
QString VersionBoxText(const QString& exeName, const QString& version, const QString& homePage);

// The title of the version box.
QString VersionBoxTitle();
