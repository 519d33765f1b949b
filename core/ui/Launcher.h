#pragma once
// The companion programs of the launcher submenu "専用用紙(&S)". Each caption
// is a title and the program's name in parentheses; the program is started
// from the program folder, and a missing one is explained in a notice.
#include <QString>

constexpr int kLauncherItemCount = 10;

// The caption of launcher item 0..9, "title(program)"; "" for another index.
QString LauncherCaption(int index);

// The program name of a caption: the text between its first "(" and its
// last character; "" when the caption has no "(".
QString LauncherProgramName(const QString& caption);

// The launcher item's action: runs the caption's program (NAME, else
// NAME.exe, in the program folder) minimised and returns when it has ended,
// the program's windows staying live meanwhile; when the program is not
// there, the notice below.
void RunLauncherItem(const QString& caption);

// The notice for a companion program that is not in the program folder: the
// invitation to put it there, then that it cannot be started now and the
// folder it belongs in. OK only: there is no download page to offer.
void ShowCompanionMissingNotice(const QString& invitation, const QString& programName);
