#pragma once
// Every clipboard access of the program goes through these functions, so that
// tests can keep the clipboard in memory instead of touching the desktop's.
#include <QImage>
#include <QString>

namespace platform {

// True when the clipboard holds text (an empty text included).
bool ClipboardHasText();
// The clipboard's text, "" when it holds none.
QString ClipboardText();
// Replaces the clipboard's content by the text.
void ClipboardSetText(const QString& text);

// True when the clipboard holds a picture.
bool ClipboardHasImage();
// The clipboard's picture, a null image when it holds none.
QImage ClipboardImage();
// Replaces the clipboard's content by the picture.
void ClipboardSetImage(const QImage& image);

// Empties the clipboard: neither text nor picture afterwards.
void ClipboardClear();

// On: the functions above use a private in-memory clipboard, empty at the
// switch; off: the desktop's clipboard again. Tests switch it on.
void UseMemoryClipboard(bool on);

}  // namespace platform
