#include "AddressFlags.h"

#include "core/text/StringHelpers.h"

namespace {

// The value of the character at a 1-based position, 0 when it is no digit
// or the field is shorter.
int DigitAt(const QString& field, int position) {
  if (position > field.size()) return 0;
  const QChar c = field.at(position - 1);
  return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

}  // namespace

AddressFlags AddressFlags::Parse(const QString& field) {
  AddressFlags flags;
  flags.noPrint = DigitAt(field, 1);
  flags.active = DigitAt(field, 3);
  for (int i = 0; i < 5; ++i) {
    // A blank in a check position is an empty one, which counts as 0.
    const int position = 5 + 2 * i;
    flags.checks[i] = TrimBlanks(field.mid(position - 1, 1)).isEmpty() ? 0 : DigitAt(field, position);
  }
  return flags;
}

QString AddressFlags::toField() const {
  QString out;
  auto put = [&out](int value) {
    out += QChar(u'0' + (value < 0 || value > 9 ? 0 : value));
    out += u'|';
  };
  put(noPrint);
  put(active);
  for (int c : checks) put(c);
  return out;
}

bool IsFrequentlyUsed(const QString& flagsField) { return flagsField.size() >= 3 && flagsField.at(2) == u'1'; }
