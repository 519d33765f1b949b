#pragma once
// Running a companion program from the program folder and telling the user,
// by the program's name, whenever it cannot run or ends with an error: a
// silent failure would leave the user waiting for an answer that never
// comes (a postal code, a calendar, a sent mail).
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

struct ProgramRunResult;

// Why the program-folder entry of the companion NAME cannot be started (a
// Windows program, no execute bit, a folder, a dangling link); "" when it
// can, or when there is no entry of that name at all.
QString CompanionUnusableReason(const QString& name);

// The message for a companion that is there but cannot run, and for one
// that failed to start or ended with an error; "" when it ran and ended well.
QString CompanionUnusableMessage(const QString& name, const QString& reason);
QString CompanionRunFailureMessage(const QString& name, const ProgramRunResult& run);

// True when the companion NAME can be started; otherwise says why: a file
// of that name that cannot run is told in a message naming it, and when no
// file of that name is there, whenMissing is called (it says what the page
// needs to say; nothing when it is empty).
bool CompanionProgramReady(const QString& name, const std::function<void()>& whenMissing);

// Runs the companion NAME with the arguments and waits for its end. When no
// file of that name is there, whenMissing is called (it says what the page
// needs to say; nothing when it is empty). Anything else that keeps the
// program from running well is told in a message naming it. True only when
// the program ran and ended with exit code 0.
bool RunCompanionProgram(const QString& name, const QStringList& arguments, int windowStyle,
                         const std::function<void()>& whenMissing);

}  // namespace platform
