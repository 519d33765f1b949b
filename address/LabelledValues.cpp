#include "LabelledValues.h"

#include <algorithm>

#include "core/text/StringHelpers.h"

namespace {

bool IsBlankLine(const QString& line) {
  return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c == u' '; });
}

bool IsLowerLatin(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'ａ' && c <= u'ｚ'); }

QChar UpperLatinChar(QChar c) { return IsLowerLatin(c) ? QChar(c.unicode() - 0x20) : c; }

// One bit for each character a text holds (characters share bits), so that
// a label with a character the line lacks is passed over without a search.
quint64 CharacterBit(QChar upper) { return quint64(1) << ((upper.unicode() * 0x9E37u >> 6) & 63); }

quint64 CharacterBitsOf(QStringView upper) {
  quint64 bits = 0;
  for (QChar c : upper) bits |= CharacterBit(c);
  return bits;
}

struct UpperLine {
  QString text;
  quint64 bits = 0;
};

// The upper-case form of the line last searched. The rules try dozens of
// labels on one line in turn, and a line is upper-cased again only once a
// rule has changed it; the copy shares the line's text, so keeping it costs
// nothing.
const UpperLine& UpperLineForLabels(const QString& line) {
  thread_local QString lastLine;
  thread_local UpperLine lastUpper;
  if (line.size() != lastLine.size() || line != lastLine) {
    lastLine = line;
    lastUpper.text = UpperLatin(line);
    lastUpper.bits = CharacterBitsOf(lastUpper.text);
  }
  return lastUpper;
}

// Character position of the label in the line, -1 when absent (an empty
// label is never found: it would match everywhere).
qsizetype FindLabel(const QString& label, const QString& line) {
  if (label.isEmpty() || IsBlankLine(line)) return -1;
  const UpperLine& upper = UpperLineForLabels(line);
  quint64 labelBits = 0;
  for (QChar c : label) labelBits |= CharacterBit(UpperLatinChar(c));
  if ((labelBits & ~upper.bits) != 0) return -1;
  return upper.text.indexOf(UpperLatin(label));
}

bool IsOneOf(const QString& c, const char16_t* set) { return !c.isEmpty() && QString::fromUtf16(set).contains(c); }

bool IsColon(QChar c) { return c == u':' || c == u'：'; }

QString WithoutTrailing(const QString& text, QChar c) {
  return !text.isEmpty() && text.back() == c ? text.left(text.size() - 1) : text;
}

}  // namespace

QString UpperLatin(const QString& text) {
  // Most labels and lines hold no small Latin letter: they come back shared,
  // with no copy made.
  const auto first = std::find_if(text.cbegin(), text.cend(), IsLowerLatin);
  if (first == text.cend()) return text;
  QString out = text;
  for (qsizetype i = first - text.cbegin(); i < out.size(); ++i) {
    if (IsLowerLatin(out.at(i))) out[i] = QChar(out.at(i).unicode() - 0x20);
  }
  return out;
}

void TakeNumberAfterLabel(const QString& label, QString& line, QString& accumulator) {
  const qsizetype at = FindLabel(label, line);
  if (at < 0) return;
  const QString before = line.left(at);
  QString number;
  qsizetype i = at + label.size();
  for (; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if ((c >= u'0' && c <= u'9') || c == u'-' || c == u'(' || c == u')' || c == u'+') {
      number += c;
    } else if (IsColon(c) || c == u'】') {
      // skipped inside and before the number alike
    } else if (!number.isEmpty()) {
      break;
    }
  }
  const QString rest = TrimBlanks(before + line.mid(i));
  line = WithoutTrailing(rest, u'【');
  accumulator += TrimBlanks(number) + u' ';
}

void TakeTextAfterLabel(const QString& label, QString& line, QString& accumulator) {
  const qsizetype at = FindLabel(label, line);
  if (at < 0) return;
  const qsizetype after = at + label.size();
  if (IsOneOf(line.mid(after, 1), u"さしすせ")) return;
  if (after >= line.size()) return;
  qsizetype i = after;
  while (i < line.size() && (IsColon(line.at(i)) || line.at(i) == u' ' || line.at(i) == u'】')) ++i;
  if (i >= line.size() && line.back() == u' ') return;
  accumulator += TrimBlanks(line.mid(i)) + u' ';
  line = TrimBlanks(WithoutTrailing(line.left(at), u'【'));
}

void TakeLineWithWord(const QString& word, QString& line, QString& accumulator) {
  const qsizetype at = FindLabel(word, line);
  if (at < 0) return;
  if (IsOneOf(line.mid(at + word.size(), 1), u"まむめも")) return;
  accumulator += line + u' ';
  line.clear();
}

void CopyLineWithWord(const QString& word, QString& line, QString& accumulator) {
  if (FindLabel(word, line) < 0) return;
  if (UpperLatin(accumulator).contains(UpperLatin(TrimBlanks(word)))) return;
  accumulator += line + u' ';
}
