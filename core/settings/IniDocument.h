#pragma once
// One private-profile text file held as its lines, so that a rewrite changes
// the one value asked for and leaves every other line (comments, lines it
// does not understand, damaged bytes) as it was.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class IniDocument {
 public:
  // Lines split at CR LF, LF or a lone CR; anything is accepted.
  static IniDocument parse(const QByteArray& content);

  // The bytes behind the "=" of the key, as stored (not trimmed); nothing
  // when the section or key is missing. Names compare without letter case;
  // comment lines are never found.
  std::optional<QByteArray> rawValue(const QString& section, const QString& key) const;

  // Replaces the value of the key, or adds the key at the end of the
  // section, or adds the section (header written as given) at the end.
  void setValue(const QString& section, const QString& key, const QByteArray& value);
  // setValue for each key in turn; keys must not be blank.
  void setValues(const QString& section, const std::vector<std::pair<QString, QByteArray>>& values);

  // Every line followed by CR LF.
  QByteArray serialize() const;

  // Bytes of a stored value as the program reads it: blanks trimmed, cut at
  // the first NUL and to at most maxBytes bytes, never inside a double-byte
  // character.
  static QByteArray cleanValue(const QByteArray& raw, int maxBytes);

 private:
  enum class Kind { Other, Section, Key, Comment };
  struct Line {
    QByteArray raw;
    Kind kind = Kind::Other;
    QString name;                // section or key name, case-folded
    qsizetype valueOffset = -1;  // first byte behind "=" for keys and comments
  };

  static Line parseLine(const QByteArray& raw);
  static QString fold(const QString& name);
  static QString foldedName(const QByteArray& bytes);
  void reindex();
  // Index of the key's line in the first section of that name holding it, or -1.
  int findKey(const QString& foldedSection, const QString& foldedKey, bool includeComments) const;
  // One past the section's last non-blank line.
  int sectionInsertPoint(int header) const;

  std::vector<Line> lines_;
  QHash<QString, std::vector<int>> sections_;  // folded name -> header lines
};
