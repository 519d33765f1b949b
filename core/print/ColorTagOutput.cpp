#include "ColorTagOutput.h"

#include "PrintSurface.h"
#include "core/text/ColorTag.h"

void ApplyColorTag(QString& text) {
  if (const auto index = TakeColorTag(text)) SetForeColor(*index);
}
