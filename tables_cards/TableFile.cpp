#include "TableFile.h"

#include "TableTemplates.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/OptionLine.h"
#include "core/text/StringHelpers.h"

namespace {


struct CheckKey {
  const char* key;
  int16_t TableOptions::*member;
};

// The option lines in the order they are written; TABLE_COL_WIDTH goes in
// sixth place.
const CheckKey kBeforeWidths[] = {
    {"TABLE_LANDSCAPE", &TableOptions::yoko},
    {"TABLE_COL_TITLE_VISIBLE", &TableOptions::midasi},
    {"TABLE_COL_TITLE_AMIKAKE", &TableOptions::midasiAmi},
};
const CheckKey kAfterWidths[] = {
    {"TABLE_KEISEN", &TableOptions::keisen},
    {"TABLE_AMIKAKE", &TableOptions::amikake},
    {"TABLE_WAKU_HOSOME", &TableOptions::wakuHosome},
    {"TABLE_TENSEN", &TableOptions::tensen},
};
const CheckKey kAfterRows[] = {
    {"TABLE_CHKBIKO2", &TableOptions::biko2},
    {"TABLE_CHKDATE", &TableOptions::date},
    {"TABLE_CHKPAGE", &TableOptions::page},
};

QString OptionLine(const char* key, int value) {
  return u'@' + QString::fromLatin1(key) + u'=' + QString::number(value) + kCrLf;
}

// Sets member when value lies in [low, high]; a hand-edited file with a
// value the control cannot show leaves the control as it was.
void SetInRange(int16_t& member, double value, int low, int high) {
  const double n = RoundHalfEven(value);
  if (n >= low && n <= high) member = static_cast<int16_t>(n);
}

bool ApplyCheck(const QString& key, double value, TableOptions& o) {
  for (const CheckKey& c : kBeforeWidths)
    if (key == QLatin1String(c.key)) return SetInRange(o.*c.member, value, 0, 1), true;
  for (const CheckKey& c : kAfterWidths)
    if (key == QLatin1String(c.key)) return SetInRange(o.*c.member, value, 0, 1), true;
  for (const CheckKey& c : kAfterRows)
    if (key == QLatin1String(c.key)) return SetInRange(o.*c.member, value, 0, 1), true;
  return false;
}

void ApplyWidths(const QString& value, TableOptions& o) {
  const QStringList fields = SplitCsvFields(value, 10);
  for (int i = 0; i < 9; ++i) {
    const double mm = i < fields.size() ? ParseNumber(fields[i]) : 0.0;
    if (mm < 0 || mm > 200) continue;
    o.widthPos[i] = static_cast<int16_t>(mm / 5);
  }
}

void ApplyTableFileLinesTo(const QStringList& fileLines, TableOptions& o) {
  QStringList lines = fileLines;
  // The writer's closing CR LF leaves an empty last line; it is not a row.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  bool headingSeen = false;
  QStringList body;
  QStringList remarks;
  for (const QString& line : lines) {
    QString key, param, value;
    ParseParamItem(line, key, param, value);
    const double number = ParseNumber(value);
    if (key == u"TITLE") {
      o.title = value;
    } else if (key == u"CSV") {
    } else if (ApplyCheck(key, number, o)) {
    } else if (key == u"TABLE_COL_NO") {
      SetInRange(o.coln, number, 0, 1);
    } else if (key == u"TABLE_COL_SU") {
      int16_t count = o.colsPos + 1;
      SetInRange(count, number, 0, kTableColumnItems);
      o.colsPos = count - 1;
    } else if (key == u"TABLE_COL_WIDTH") {
      ApplyWidths(value, o);
    } else if (key == u"TABLE_ROW_MAX") {
      int16_t rows = o.rowsPos + 3;
      SetInRange(rows, number, 3, kTableRowItems + 2);
      o.rowsPos = rows - 3;
    } else if (key == u"TABLE_KEISEN_YOKO") {
      SetInRange(o.keisenYoko, number, 0, kTableRuleItems - 1);
    } else if (key == u"BIKO") {
      remarks << value;
    } else if (!headingSeen) {
      o.heading = line;
      headingSeen = true;
    } else {
      body << line;
    }
  }
  // Lines are joined, not each ended, so that a file read and written again
  // comes out byte for byte the same. A blank last row was written with the
  // break that ends it, which the join leaves off; without it the writer
  // would take the row's own break for the body's closing one, and the row
  // would be gone. A single blank line is how an empty body is written.
  o.body = body.join(kCrLf);
  if (body.size() > 1 && body.last().isEmpty()) o.body += kCrLf;
  o.remarks = remarks.join(kCrLf);
}

}  // namespace

QString TableFileText(const TableOptions& o) {
  QString text = QStringLiteral("@TITLE=") + o.title + kCrLf;
  for (const CheckKey& c : kBeforeWidths) text += OptionLine(c.key, o.*c.member);
  text += OptionLine("TABLE_COL_NO", o.coln);
  text += OptionLine("TABLE_COL_SU", o.colsPos + 1);
  text += QStringLiteral("@TABLE_COL_WIDTH=");
  for (int16_t w : o.widthPos) text += QString::number(w * 5) + u',';
  text += kCrLf;
  for (const CheckKey& c : kAfterWidths) text += OptionLine(c.key, o.*c.member);
  text += OptionLine("TABLE_ROW_MAX", o.rowsPos + 3);
  for (const CheckKey& c : kAfterRows) text += OptionLine(c.key, o.*c.member);
  text += OptionLine("TABLE_KEISEN_YOKO", o.keisenYoko);
  text += QStringLiteral("@CSV=") + kCrLf;
  text += o.heading + kCrLf;
  // Stored files and other programs read this layout: the body's own last
  // line break ends its last row, and only a body without one gets it here.
  text += o.body;
  if (!o.body.endsWith(kCrLf)) text += kCrLf;
  if (!o.remarks.isEmpty()) {
    text += QStringLiteral("@BIKO=");
    for (QChar c : o.remarks) {
      text += c;
      if (c == u'\n') text += QStringLiteral("@BIKO=");
    }
  }
  text += kCrLf;
  return text;
}

QByteArray WriteTableFile(const TableOptions& o) { return platform::ToSjis(TableFileText(o)); }

TableOptions ReadTableFile(const QByteArray& bytes, const TableOptions& before, const QString& storedPath,
                           bool superOrganiserMode) {
  TableOptions o = before;
  ApplyTableTemplate(o, 0, superOrganiserMode);
  o.title = storedPath;
  if (o.title.right(4).compare(QStringLiteral(".CSV"), Qt::CaseInsensitive) == 0) o.title.chop(4);
  ApplyTableFileLinesTo(platform::DecodeTextLines(bytes), o);
  return o;
}
