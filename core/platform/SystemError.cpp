#include "SystemError.h"

#include <cstring>

namespace platform {

QString SystemErrorText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

}  // namespace platform
