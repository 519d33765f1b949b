#include "OptionLine.h"

void ParseParamItem(const QString& line, QString& key, QString& param, QString& value) {
  key.clear();
  param.clear();
  value.clear();
  if (!line.startsWith(u'@')) return;

  const qsizetype open = line.indexOf(u'(');
  const qsizetype firstEquals = line.indexOf(u'=');
  qsizetype split = firstEquals;  // the "=" before the value, -1 for none
  qsizetype keyEnd = firstEquals;  // where the key stops when there is a value
  qsizetype close = -1;
  // Only a "(" before the first "=" can open a parameter; any other "(" is
  // ordinary text of the key or the value.
  if (open >= 0 && firstEquals >= 0 && open < firstEquals) {
    close = line.indexOf(u')', open + 1);
    if (close >= 0) {
      param = line.mid(open + 1, close - open - 1);
      // An "=" inside the parentheses belongs to the parameter.
      split = line.indexOf(u'=', close);
      keyEnd = open;
    }
  }

  if (split < 0) {
    key = line.mid(1);
  } else {
    key = line.mid(1, keyEnd - 1);
    value = line.mid(split + 1);
  }
  if (close >= 0 && line.size() > 1 && line.at(1) == u'(' && line.mid(close, 2) == QStringLiteral(")="))
    key = QStringLiteral("(VALUE)");
}
