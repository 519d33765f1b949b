#pragma once
// The one question every page window asks when it is closed, or the program
// ends, while it holds work that would otherwise be lost.
#include <QString>
#include <cstdint>
#include <functional>

#include "PageWindow.h"

// Asks once when changed is true, unless the desktop session is ending. The
// window is brought in front first, so that the user sees what is meant.
// With a write step the answers are: write (the step runs; a write that
// does not happen, because its dialog was cancelled or it failed, keeps the
// window), discard, or cancel. Without one the answers are OK (close) and
// Cancel. A kept window sets cancel and CloseVeto, so that a close of the
// whole program in progress stops as well.
void AskBeforeLosingChanges(QWidget* window, bool changed, UnloadMode mode, const QString& question,
                            const std::function<bool()>& write, int16_t& cancel);

// The question of a window whose work reaches its file only through its own
// write command, naming the window ("表", "ガントチャート", ...).
QString WriteBeforeClosingQuestion(const QString& windowName, UnloadMode mode);

// Asked before a file is read over the window's work, with the same answers
// as on closing: write (the step runs; a write that does not happen stops
// the read), discard, or cancel. True when the read may go on: nothing was
// changed, it was written, or the user let it go.
bool MayReadOverChanges(QWidget* window, bool changed, const QString& windowName, const std::function<bool()>& write);
