#pragma once
// The reason shown in brackets after a failed read or write.
#include <QString>

namespace platform {

// The system's own text for an errno value.
QString SystemErrorText(int code);

}  // namespace platform
