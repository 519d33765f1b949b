#include "IniDocument.h"

#include <QSet>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArray trimmedWith(const QByteArray& bytes, bool (*blank)(char)) {
  qsizetype from = 0, to = bytes.size();
  while (from < to && blank(bytes.at(from))) ++from;
  while (to > from && blank(bytes.at(to - 1))) --to;
  return bytes.mid(from, to - from);
}

// Names may be padded with tabs too; values lose half-width blanks only, as
// every trim of the program does.
QByteArray trimmedBlanks(const QByteArray& bytes) { return trimmedWith(bytes, isBlank); }
QByteArray trimmedSpaces(const QByteArray& bytes) {
  return trimmedWith(bytes, [](char c) { return c == ' '; });
}

bool isBlankLine(const QByteArray& bytes) {
  for (char c : bytes)
    if (!isBlank(c)) return false;
  return true;
}

// Nearly every name in a settings file is plain ASCII, where folding the
// letter case is lowering it: done here without the Unicode tables, which
// start-up would otherwise go through for every key it reads or writes.
bool lowerAsciiName(QStringView name, QString& out) {
  out.resize(name.size());
  QChar* to = out.data();
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (c >= 0x80) return false;
    to[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
  }
  return true;
}

// The folded name of stored name bytes.
QString foldedNameBytes(const QByteArray& bytes) {
  QString out(bytes.size(), Qt::Uninitialized);
  QChar* to = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes.at(i));
    if (c >= 0x80) return platform::FromSjis(bytes).toCaseFolded();
    to[i] = QChar(char16_t(c >= 'A' && c <= 'Z' ? c + 32 : c));
  }
  return out;
}

}  // namespace

QString IniDocument::fold(const QString& name) {
  const QStringView trimmed = QStringView(name).trimmed();
  QString lowered;
  if (lowerAsciiName(trimmed, lowered)) return lowered;
  return trimmed.toString().toCaseFolded();
}

// As fold() of the decoded bytes; blanks around them are already gone.
QString IniDocument::foldedName(const QByteArray& bytes) {
  const QString ascii = foldedNameBytes(bytes);
  // Other white space (a form feed, say) is trimmed as fold() trims it.
  if (!ascii.isEmpty() && (ascii.front().isSpace() || ascii.back().isSpace())) return fold(ascii);
  return ascii;
}

IniDocument::Line IniDocument::parseLine(const QByteArray& raw) {
  Line line;
  line.raw = raw;
  qsizetype i = 0;
  while (i < raw.size() && isBlank(raw.at(i))) ++i;
  if (i == raw.size()) return line;

  if (raw.at(i) == '[') {
    // "]" (0x5D) can be the second byte of a double-byte character, so the
    // name is walked character by character.
    qsizetype end = ++i;
    while (end < raw.size() && raw.at(end) != ']') {
      end += (platform::IsSjisLeadByte(static_cast<unsigned char>(raw.at(end))) && end + 1 < raw.size()) ? 2 : 1;
    }
    line.kind = Kind::Section;
    line.name = foldedName(trimmedBlanks(raw.mid(i, end - i)));
    return line;
  }

  // "=" (0x3D) never occurs inside a double-byte character.
  const qsizetype eq = raw.indexOf('=', i);
  if (raw.at(i) == ';') {
    line.kind = Kind::Comment;
    if (eq >= 0) {
      line.name = foldedName(trimmedBlanks(raw.mid(i, eq - i)));
      line.valueOffset = eq + 1;
    }
    return line;
  }
  if (eq < 0) return line;
  const QByteArray key = trimmedBlanks(raw.mid(i, eq - i));
  if (key.isEmpty()) return line;
  line.kind = Kind::Key;
  line.name = foldedName(key);
  line.valueOffset = eq + 1;
  return line;
}

IniDocument IniDocument::parse(const QByteArray& content) {
  IniDocument doc;
  const QList<QByteArray> raws = platform::SplitLines(content);
  doc.lines_.reserve(raws.size());
  for (const QByteArray& raw : raws) doc.lines_.push_back(parseLine(raw));
  doc.reindex();
  return doc;
}

void IniDocument::reindex() {
  sections_.clear();
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
    if (lines_[i].kind == Kind::Section) sections_[lines_[i].name].push_back(i);
}

int IniDocument::findKey(const QString& foldedSection, const QString& foldedKey,
                         bool includeComments) const {
  auto it = sections_.constFind(foldedSection);
  if (it == sections_.constEnd()) return -1;
  for (int header : *it) {
    for (int i = header + 1; i < static_cast<int>(lines_.size()); ++i) {
      const Line& line = lines_[i];
      if (line.kind == Kind::Section) break;
      const bool candidate =
          line.kind == Kind::Key || (includeComments && line.kind == Kind::Comment && line.valueOffset >= 0);
      if (candidate && line.name == foldedKey) return i;
    }
  }
  return -1;
}

int IniDocument::sectionInsertPoint(int header) const {
  int last = header;
  for (int i = header + 1; i < static_cast<int>(lines_.size()); ++i) {
    if (lines_[i].kind == Kind::Section) break;
    if (!isBlankLine(lines_[i].raw)) last = i;
  }
  return last + 1;
}

std::optional<QByteArray> IniDocument::rawValue(const QString& section, const QString& key) const {
  const int i = findKey(fold(section), fold(key), false);
  if (i < 0) return std::nullopt;
  return lines_[i].raw.mid(lines_[i].valueOffset);
}

void IniDocument::setValue(const QString& section, const QString& key, const QByteArray& value) {
  const QString foldedSection = fold(section);
  const int existing = findKey(foldedSection, fold(key), true);
  if (existing >= 0) {
    Line& line = lines_[existing];
    // The key keeps the spelling it has in the file.
    const qsizetype eq = line.valueOffset - 1;
    QByteArray keyPart = line.raw.left(eq);
    line.raw = trimmedBlanks(keyPart) + '=' + value;
    line = parseLine(line.raw);
    return;
  }
  const QByteArray newLine = platform::ToSjis(key.trimmed()) + '=' + value;
  Line added = parseLine(newLine);
  // The first start sets some five hundred keys one by one: the section
  // index is kept up to date in place rather than rebuilt for every key.
  const bool addsSection = added.kind == Kind::Section;
  auto it = sections_.constFind(foldedSection);
  if (it == sections_.constEnd()) {
    const int header = static_cast<int>(lines_.size());
    lines_.push_back(parseLine('[' + platform::ToSjis(section.trimmed()) + ']'));
    lines_.push_back(std::move(added));
    if (lines_[header].kind == Kind::Section) sections_[lines_[header].name].push_back(header);
  } else {
    const int at = sectionInsertPoint(it->front());
    lines_.insert(lines_.begin() + at, std::move(added));
    for (auto& headers : sections_)
      for (int& header : headers)
        if (header >= at) ++header;
  }
  if (addsSection) reindex();
}

void IniDocument::setValues(const QString& section, const std::vector<std::pair<QString, QByteArray>>& values) {
  // A first start writes whole sections the file does not have yet: their
  // lines are appended as they are, without looking each key up among those
  // just written. Anything out of the ordinary (a header or key that does not
  // read back as itself, a key given twice) goes key by key.
  const QString foldedSection = fold(section);
  std::vector<Line> added;
  if (!sections_.contains(foldedSection)) {
    added.reserve(values.size() + 1);
    added.push_back(parseLine('[' + platform::ToSjis(section.trimmed()) + ']'));
    QSet<QString> keys;
    bool plain = added.front().kind == Kind::Section && added.front().name == foldedSection;
    for (auto it = values.begin(); plain && it != values.end(); ++it) {
      added.push_back(parseLine(platform::ToSjis(it->first.trimmed()) + '=' + it->second));
      const Line& line = added.back();
      // A key given as ";NAME" is a commented-out setting, found as keys are.
      const bool named = line.kind == Kind::Key || (line.kind == Kind::Comment && line.valueOffset >= 0);
      plain = named && line.name == fold(it->first) && !keys.contains(line.name);
      keys.insert(line.name);
    }
    if (plain && !values.empty()) {
      sections_[foldedSection].push_back(static_cast<int>(lines_.size()));
      lines_.insert(lines_.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
      return;
    }
  }
  for (const auto& [key, value] : values) setValue(section, key, value);
}

QByteArray IniDocument::serialize() const {
  QByteArray out;
  qsizetype size = 0;
  for (const Line& line : lines_) size += line.raw.size() + 2;
  out.reserve(size);
  for (const Line& line : lines_) {
    out.append(line.raw);
    out.append("\r\n");
  }
  return out;
}

QByteArray IniDocument::cleanValue(const QByteArray& raw, int maxBytes) {
  QByteArray value = trimmedSpaces(raw);
  const qsizetype nul = value.indexOf('\0');
  if (nul >= 0) value.truncate(nul);
  qsizetype end = 0;
  while (end < value.size()) {
    const qsizetype step =
        (platform::IsSjisLeadByte(static_cast<unsigned char>(value.at(end))) && end + 1 < value.size()) ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  value.truncate(end);
  return trimmedSpaces(value);
}
