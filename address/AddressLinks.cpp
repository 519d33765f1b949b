#include "AddressLinks.h"

#include <QRegularExpression>

#include "core/platform/Shell.h"
#include "core/text/StringHelpers.h"

namespace {


// The first line of the answer: a program may end its text with a break.
QString FirstLine(const QString& text) {
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  return end < 0 ? text : text.left(end);
}

bool IsPath(const QString& text) {
  if (text.size() >= 3 && text.at(1) == u':' && (text.at(2) == u'\\' || text.at(2) == u'/')) return true;
  return text.startsWith(QStringLiteral("\\\\")) || text.startsWith(QStringLiteral("//")) || text.startsWith(u'/');
}

}  // namespace

QString DialConfirmText(const QString& number) {
  return QStringLiteral("[自動ダイヤルします]") + kCrLf + kCrLf + number + kCrLf;
}

QString MailRecipients(const QString& mail, const QString& remarkLabel, const QString& remark) {
  QString to = TrimBlanks(mail);
  if (remarkLabel == QStringLiteral("ﾒｰﾙ2") && !TrimBlanks(remark).isEmpty()) to += u',' + TrimBlanks(remark);
  return to;
}

QString WebLinkTarget(const QString& field) {
  const QString text = TrimBlanks(field);
  if (text.isEmpty() || text.compare(QStringLiteral("HTTP://"), Qt::CaseInsensitive) == 0) return QString();
  // A scheme is kept, so that "file:///etc/passwd" or "javascript:" meet
  // the allow-list as what they are instead of passing for host names.
  if (IsPath(text) || !platform::LinkScheme(text).isEmpty()) return text;
  return QStringLiteral("http://") + text;
}

QString MissingDocumentText(const QString& field) {
  return QStringLiteral("「%1」というファイルが見つかりません。").arg(field);
}

QString PostalAnswerAddress(const QString& answer) { return TrimBlanks(FirstLine(answer).mid(9)); }

QString PostalAnswerCode(const QString& answer) {
  static const QRegularExpression code(QStringLiteral("^\\d{3}-\\d{4}$"));
  const QString first = FirstLine(answer).left(8);
  return code.match(first).hasMatch() ? first : QString();
}
