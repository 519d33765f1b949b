#include "CurrentScheduleFile.h"

QString CurrentScheduleFile;
