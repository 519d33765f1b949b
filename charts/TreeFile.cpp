#include "TreeFile.h"

#include <QFileInfo>
#include <QStringList>

#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/text/OptionLine.h"
#include "core/text/StringHelpers.h"

namespace {
}

QByteArray TreeFileBytes(const TreeDocument& doc) {
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
  return platform::ToSjis(text);
}

void ParseTreeFile(const QByteArray& content, TreeDocument& doc) {
  const QStringList raw = platform::DecodeTextLines(content);
  QStringList items;
  QStringList remarks;
  bool sawRemark = false;
  QString title = doc.title;
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
  doc.title = title;
  doc.items = itemText;
  doc.remarks = remarks.join(kCrLf);
}

bool ReadTreeFile(const QString& path, TreeDocument& doc) {
  const QFileInfo info(path);
  if (info.isFile() && info.size() > kTreeFileSizeLimit) {
    platform::ShowMessage(QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + path, platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return false;
  }
  QByteArray content;
  QString reason;
  if (!platform::ReadWholeFile(path, content, &reason)) {
    platform::ShowMessage(platform::ReadFailureMessage(path, reason), platform::MsgButtons::Ok,
                          platform::MsgIcon::Exclamation);
    return false;
  }
  ParseTreeFile(content, doc);
  return true;
}
