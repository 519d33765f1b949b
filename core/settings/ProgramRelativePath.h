#pragma once
// How a page window stores a data-file path chosen in a file dialog, and
// how it tells whether two paths name one file.
#include <QString>

// The two ways a path inside the program folder is kept in the settings.
enum class RelativeStyle {
  Bare,         // the part after the program folder as it stands: "sub/x.txt"
  DotPrefixed,  // a part that still holds a folder gets "./" before it: "./sub/x.txt"
};

// A path inside ProgramFolder without that folder; any other path unchanged.
// The folder prefix is compared regardless of letter case, since settings
// written on Windows may spell it in any case; on a file system that tells
// cases apart it counts only when it names the program folder itself, so the
// stored path never leads to another file.
QString ProgramRelativePath(const QString& path, RelativeStyle style);

// True when both paths name the same file: the same file reached through
// links, relative and absolute spellings, "\" or "/" separators. A path
// whose file does not exist yet is compared by its folder's real location
// and its name.
bool SameFile(const QString& first, const QString& second);
