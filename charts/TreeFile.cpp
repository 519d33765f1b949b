#include "TreeFile.h"

#include <QStringList>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/text/OptionLine.h"
#include "core/text/StringHelpers.h"

QString TreeFileText(const TreeDocument& doc) {
  QString text = QStringLiteral("@TITLE=") + doc.title + kCrLf + QStringLiteral("@CSV=") + kCrLf;
  const QString items = platform::NormaliseToCrLf(doc.items);
  text += items;
  if (!items.endsWith(kCrLf)) text += kCrLf;
  const QString remarks = platform::NormaliseToCrLf(doc.remarks);
  if (!remarks.isEmpty()) {
    const QStringList lines = remarks.split(kCrLf);
    for (int i = 0; i < lines.size(); ++i) {
      if (i > 0) text += kCrLf;
      text += QStringLiteral("@BIKO=") + lines[i];
    }
  }
  text += kCrLf;
  return text;
}

QByteArray WriteTreeFile(const TreeDocument& doc) { return platform::ToSjis(TreeFileText(doc)); }

TreeDocument ReadTreeFile(const QByteArray& bytes, const QString& untitled) {
  const QStringList raw = platform::DecodeTextLines(bytes);
  QStringList items;
  QStringList remarks;
  bool sawRemark = false;
  QString title = untitled;
  for (const QString& line : raw) {
    QString key, param, value;
    ParseParamItem(line, key, param, value);
    if (key == QLatin1String("TITLE")) {
      title = value;
    } else if (key == QLatin1String("CSV")) {
    } else if (key == QLatin1String("BIKO")) {
      remarks << value;
      sawRemark = true;
    } else {
      items << line;
    }
  }
  // Without remark lines the writer's closing CR LF leaves one empty line
  // behind the items; it is not part of them.
  if (!sawRemark && !items.isEmpty() && items.last().isEmpty()) items.removeLast();
  QString itemText;
  if (!(items.size() == 1 && items.first().isEmpty()))
    for (const QString& line : items) itemText += line + kCrLf;
  return TreeDocument{title, itemText, remarks.join(kCrLf)};
}
