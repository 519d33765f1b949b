#include "MailListHtml.h"

#include "AddressRecord.h"
#include "core/platform/Codec.h"
#include "core/platform/SafeSave.h"
#include "core/settings/AppGlobals.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kIdeographicBlank = QStringLiteral("　");

// Names and addresses come from the user's data; a "<" or "&" in them must
// show as itself, and a quote must not end the link.
QString Html(const QString& text) { return text.toHtmlEscaped(); }

QString FirstCharacter(const QString& text) {
  if (text.isEmpty()) return QString();
  return text.left(text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1);
}

bool HasWebScheme(const QString& url) {
  return url.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
         url.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

}  // namespace

QString MailListHtmlText(const QStringList& fileLines, const QString& /*category*/) {
  QString page = QStringLiteral("<HTML>") + kCrLf + QStringLiteral("<HEAD><TITLE>便利データ／リンク集</TITLE></HEAD>") +
                 kCrLf + QStringLiteral("<BODY BGCOLOR=\"#FFFFCA\">") + kCrLf +
                 QStringLiteral("<HR><H1>メールアドレス集</H1><HR>") + kCrLf;
  QString previous;
  for (qsizetype i = 1; i < fileLines.size(); ++i) {
    const AddressRecord r = AddressRecord::FromLine(fileLines.at(i));
    const QString mail = r.field(kFieldMail);
    if (TrimBlanks(mail).isEmpty()) continue;
    const QString initial = FirstCharacter(r.field(kFieldKana));
    if (initial != previous) {
      page += QStringLiteral("<BR><TABLE BORDER=1 WIDTH=\"100%\" BGCOLOR=\"#D2C2AE\" >") + kCrLf +
              QStringLiteral("<TR VALIGN=CENTER>") + kCrLf + QStringLiteral("<TD><B><FONT SIZE=+2>") + Html(initial) +
              QStringLiteral("</FONT></B></TD>") + kCrLf + QStringLiteral("</TR>") + kCrLf +
              QStringLiteral("</TABLE>") + kCrLf;
    }
    previous = initial;
    page += kIdeographicBlank + QStringLiteral("<A HREF=\"mailto:") + Html(mail) + QStringLiteral("\">");
    if (!r.field(kFieldName).isEmpty()) page += Html(r.field(kFieldName));
    if (!r.field(kFieldHandle).isEmpty()) page += QStringLiteral(" (") + Html(r.field(kFieldHandle)) + u')';
    page += QStringLiteral("</A>");
    const QString url = r.field(kFieldUrl);
    if (!url.isEmpty() && url.compare(QStringLiteral("HTTP://"), Qt::CaseInsensitive) != 0)
      page += kIdeographicBlank + QStringLiteral("<A HREF=\"") + Html(HasWebScheme(url) ? url : QStringLiteral("http://") + url) +
              QStringLiteral("\">HP</A>");
    page += kIdeographicBlank + Html(r.field(kFieldBunrui)) + QStringLiteral("<BR>") + kCrLf;
  }
  page += QStringLiteral("<HR></BODY></HTML>") + kCrLf;
  return page;
}

bool WriteMailListHtml(const QStringList& fileLines, const QString& category) {
  return platform::SaveFileOrReport(ProgramFolder + QStringLiteral("jxsender.htm"),
                                    platform::ToSjis(MailListHtmlText(fileLines, category)));
}
