#include "AddressLinks.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "core/ui/HelpPage.h"
#include "core/text/StringHelpers.h"
#include "core/ui/VersionBox.h"

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

WebTarget WebLinkTarget(const QString& field) {
  WebTarget target;
  const QString text = TrimBlanks(field);
  if (text.isEmpty() || text.compare(QStringLiteral("HTTP://"), Qt::CaseInsensitive) == 0) return target;
  if (IsPath(text)) {
    QString path = text;
    path.replace(u'\\', u'/');
    const QFileInfo file(path);
    // A program, a script or a desktop entry would be run, not shown.
    if (!file.isFile() || file.isExecutable() || file.suffix().compare(QStringLiteral("desktop"), Qt::CaseInsensitive) == 0)
      return target;
    target.kind = WebTarget::LocalFile;
    target.path = path;
    return target;
  }
  static const QRegularExpression scheme(QStringLiteral("^(https?|ftp)://"), QRegularExpression::CaseInsensitiveOption);
  const QUrl url(scheme.match(text).hasMatch() ? text : QStringLiteral("http://") + text, QUrl::TolerantMode);
  if (!url.isValid() || url.host().isEmpty()) return target;
  target.kind = WebTarget::Url;
  target.url = url;
  return target;
}

QString PostalAnswerAddress(const QString& answer) { return TrimBlanks(FirstLine(answer).mid(9)); }

QString PostalAnswerCode(const QString& answer) {
  static const QRegularExpression code(QStringLiteral("^\\d{3}-\\d{4}$"));
  const QString first = FirstLine(answer).left(8);
  return code.match(first).hasMatch() ? first : QString();
}

QString AddressHelpText() {
  return QStringLiteral("１．住所を印刷したくないときは、住所のチェックをはずしてください。") + kCrLf + kCrLf +
         QStringLiteral("２．分類を自由に変えれます。ringpad.iniの[DOZIR]にBUNRUI4を追加してください。") + kCrLf +
         QStringLiteral("　　BUNRUI4=学校関連,10年１年Ｄ組,11年２年Ｂ組") + kCrLf + kCrLf +
         MoreHelpLine() + QStringLiteral("。") + kCrLf + kCrLf;
}
