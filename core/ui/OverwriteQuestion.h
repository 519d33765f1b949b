#pragma once
// The question a write command asks before it replaces a file.
#include <QString>

// True when no file of that name exists, or when the user answers OK to
// "同じファイルがあります、上書きしますか？" naming it (Cancel is the default).
bool OverwriteAgreed(const QString& path);
