#include "Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

#include "CompanionProgram.h"
#include "ProblemReport.h"

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {

// Stored paths may separate folders with a backslash as well.
QString withSlashes(QString path) { return path.replace(u'\\', u'/'); }

ShellHandler& shellHandler() {
  static ShellHandler h;
  return h;
}

bool runAndWaitReal(const ShellAction& action, ProgramRunResult& run) {
  QProcess process;
  process.setProgram(action.program);
  process.setArguments(action.arguments);
  process.setWorkingDirectory(QDir::currentPath());
  // Nothing of the companion's output piles up in this program's memory.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&] {
    if (process.state() == QProcess::NotRunning) loop.quit();
  });
  process.start();
  if (!process.waitForStarted(-1) || process.state() == QProcess::NotRunning) {
    run.error = process.errorString();
    return false;
  }
  // The program's windows repaint and take input while the companion runs.
  loop.exec();
  run.started = true;
  run.crashed = process.exitStatus() == QProcess::CrashExit;
  run.exitCode = process.exitCode();
  return true;
}

// A recorded action counts as started and ended well; run, when given,
// receives how a program that was waited for ended.
bool perform(const ShellAction& action, ProgramRunResult* run = nullptr) {
  if (shellHandler()) {
    shellHandler()(action);
    if (run) run->started = true;
    return true;
  }
  ProgramRunResult unused;
  switch (action.kind) {
    case ShellActionKind::StartProgram:
      return QProcess::startDetached(action.program, action.arguments, QDir::currentPath());
    case ShellActionKind::RunAndWait: return runAndWaitReal(action, run ? *run : unused);
    case ShellActionKind::OpenUrl: return QDesktopServices::openUrl(action.url);
  }
  return false;
}

void refuse(const QString& target) { ReportProblem({Problem::RefusedTarget, target}); }

// The base name of a program as a command names it: folders and ".exe" off.
QString programBaseName(const QString& program) {
  QString base = QFileInfo(withSlashes(program)).fileName();
  if (base.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) base.chop(4);
  return base;
}

// The file of the folder whose name equals name, the exact letter case
// preferred; "" when there is none.
QString fileInFolder(const QDir& folder, const QString& name) {
  if (name.isEmpty()) return QString();
  const QFileInfo exact(folder, name);
  if (exact.isFile()) return exact.absoluteFilePath();
  const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);
  for (const QString& file : files) {
    if (file.compare(name, Qt::CaseInsensitive) == 0) return QFileInfo(folder, file).absoluteFilePath();
  }
  return QString();
}

// A program path that never makes QProcess search the PATH: the companion
// when it exists, else the name in the current folder (whose start fails).
QString programPath(const QString& name) {
  const QString found = CompanionProgramPath(name);
  if (!found.isEmpty()) return found;
  return QDir::current().absoluteFilePath(QFileInfo(withSlashes(name)).fileName());
}

// Splits "NAME.exe args" at the ".exe" that ends the program's name; false
// when the text names no program.
bool splitProgramCommand(const QString& text, QString& program, QStringList& arguments) {
  const qsizetype gap = text.indexOf(QStringLiteral(".exe "));
  if (gap >= 0) {
    program = text.left(gap + 4);
    arguments = QProcess::splitCommand(text.mid(gap + 5));
    return true;
  }
  if (text.endsWith(QStringLiteral(".exe"))) {
    program = text;
    arguments.clear();
    return true;
  }
  return false;
}

// Trimming takes half-width blanks only; a full-width blank is text.
QString trimHalfWidthBlanks(QString text) {
  static const QRegularExpression outerBlanks(QStringLiteral("^ +| +$"));
  return text.remove(outerBlanks);
}

// Longer than any address a person keeps: such a text is a paste gone wrong
// or something made to hurt.
constexpr qsizetype kMaxLinkLength = 2048;

bool isControlCharacter(QChar c) {
  return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0) || c == QChar::LineSeparator ||
         c == QChar::ParagraphSeparator;
}

bool holdsControlCharacter(const QString& text) {
  return std::any_of(text.begin(), text.end(), isControlCharacter);
}

// A host name as the name service knows it (labels of letters, digits,
// hyphens and underscores, none over 63 characters, 253 in all; the ASCII
// form of an international name), or an address in digits.
bool isPlainHost(const QUrl& url) {
  QString host = url.host(QUrl::EncodeUnicode);
  if (host.isEmpty()) return false;
  if (host.contains(u':')) return true;  // an IPv6 address, which the URL checked
  if (host.endsWith(u'.')) host.chop(1);
  if (host.isEmpty() || host.size() > 253) return false;
  static const QRegularExpression label(QStringLiteral("^[A-Za-z0-9_](?:[A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?$"));
  const QStringList labels = host.split(u'.');
  return std::all_of(labels.begin(), labels.end(), [](const QString& l) { return label.match(l).hasMatch(); });
}

// Mail links carry an address, a subject, a body and copies; a mail program
// may take further fields ("attach=") as orders to send local files.
bool hasOnlyMailFields(const QUrl& url) {
  static const QStringList kFields = {QStringLiteral("to"), QStringLiteral("cc"), QStringLiteral("bcc"),
                                      QStringLiteral("subject"), QStringLiteral("body")};
  if (!url.hasQuery()) return true;
  const QStringList items = url.query(QUrl::FullyEncoded).split(u'&', Qt::SkipEmptyParts);
  return std::all_of(items.begin(), items.end(),
                     [](const QString& item) { return kFields.contains(item.section(u'=', 0, 0), Qt::CaseInsensitive); });
}

CheckedLink refusedLink() { return {CheckedLink::Refused, QUrl()}; }

// An existing file of an allowed kind, by the name it is given and by the
// file a link there names.
CheckedLink checkDocument(const QString& path) {
  const QFileInfo file(withSlashes(path));
  if (path.isEmpty() || !file.isFile()) return {};
  if (!IsAllowedDocument(file.fileName()) || !IsAllowedDocument(file.canonicalFilePath())) return refusedLink();
  return {CheckedLink::Open, QUrl::fromLocalFile(file.absoluteFilePath())};
}

}  // namespace

void SetShellHandler(ShellHandler h) {
  RegisterSeamReset([] { SetShellHandler({}); });
  shellHandler() = std::move(h);
}

bool IsCompanionProgramName(const QString& name) {
  static const QStringList kNames = {
      QStringLiteral("jxcalpad"), QStringLiteral("jxpostal"), QStringLiteral("jxsender"), QStringLiteral("jxkakei"),
      QStringLiteral("jxjikan"),  QStringLiteral("jxmeisi"),  QStringLiteral("jxfuutou"), QStringLiteral("jxlabel"),
      QStringLiteral("jxnenga"),  QStringLiteral("jxtango"),
  };
  return kNames.contains(name, Qt::CaseInsensitive);
}

bool IsAllowedUrlScheme(const QString& scheme) {
  static const QStringList kSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                                       QStringLiteral("tel")};
  return kSchemes.contains(scheme, Qt::CaseInsensitive);
}

bool IsAllowedDocument(const QString& path) {
  static const QStringList kExtensions = {
      QStringLiteral("txt"), QStringLiteral("htm"), QStringLiteral("html"), QStringLiteral("pdf"),
      QStringLiteral("csv"), QStringLiteral("bmp"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
      QStringLiteral("png"), QStringLiteral("gif"), QStringLiteral("tif"),  QStringLiteral("tiff"),
      QStringLiteral("webp")};
  return kExtensions.contains(QFileInfo(withSlashes(path)).suffix(), Qt::CaseInsensitive);
}

QString RefusedTargetMessage(const QString& target) {
  constexpr qsizetype kShownLength = 80;
  QString shown = target.left(kShownLength);
  for (QChar& c : shown)
    if (isControlCharacter(c)) c = u' ';
  if (target.size() > kShownLength) shown += QStringLiteral("…");
  return QStringLiteral("「%1」は開けません。\r\n"
                        "開けるのは、http、https、mailto、telのアドレス、"
                        "文書(.txt、.htm、.html、.pdf、.csv、画像)と、"
                        "プログラムフォルダの姉妹ソフトだけです。")
      .arg(shown);
}

QString LinkScheme(const QString& text) {
  static const QRegularExpression schemed(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
  static const QRegularExpression port(QStringLiteral("^[0-9]+(?:[/?#]|$)"));
  const QRegularExpressionMatch m = schemed.match(text);
  if (!m.hasMatch()) return QString();
  const QString scheme = m.captured(1).toLower();
  if (scheme != QStringLiteral("file") && !IsAllowedUrlScheme(scheme) &&
      port.match(QStringView(text).mid(m.capturedEnd())).hasMatch())
    return QString();
  return scheme;
}

CheckedLink CheckLink(const QString& target) {
  if (target.isEmpty()) return {};
  if (target.size() > kMaxLinkLength || holdsControlCharacter(target)) return refusedLink();
  // A network path would have the desktop reach out to another machine.
  if (target.startsWith(QStringLiteral("\\\\")) || target.startsWith(QStringLiteral("//"))) return refusedLink();
  const QString scheme = LinkScheme(target);
  if (scheme.isEmpty()) return checkDocument(target);
  const QUrl url(target, QUrl::TolerantMode);
  if (!url.isValid()) return refusedLink();
  if (scheme == QStringLiteral("file")) {
    if (!url.host().isEmpty()) return refusedLink();
    return checkDocument(url.toLocalFile());
  }
  if (!IsAllowedUrlScheme(scheme)) return refusedLink();
  if (scheme == QStringLiteral("tel")) {
    const QUrl tel = TelephoneUrl(url.path(QUrl::FullyDecoded));
    return tel.isEmpty() ? refusedLink() : CheckedLink{CheckedLink::Open, tel};
  }
  if (scheme == QStringLiteral("mailto"))
    return hasOnlyMailFields(url) ? CheckedLink{CheckedLink::Open, url} : refusedLink();
  if (!url.userInfo().isEmpty() || !isPlainHost(url)) return refusedLink();
  return {CheckedLink::Open, url};
}

bool OpenLink(const QString& target, const QString& shownAs) {
  const CheckedLink link = CheckLink(target);
  if (link.kind == CheckedLink::Refused) refuse(shownAs.isEmpty() ? target : shownAs);
  if (link.kind != CheckedLink::Open) return false;
  OpenUrl(link.url);
  return true;
}

QString CompanionProgramPath(const QString& name) {
  QString base = QFileInfo(withSlashes(name)).fileName();
  if (base.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) base.chop(4);
  // A control character in the name (a line break) never names a program.
  if (base.isEmpty() || std::any_of(base.cbegin(), base.cend(), [](QChar c) { return c.unicode() < 0x20; }))
    return QString();
  // Only a program that can run on this system: a Windows "NAME.exe", a
  // file without the execute bit, a folder or a dangling link is none.
  const QString plain = fileInFolder(QDir::current(), base);
  const QFileInfo info(plain);
  if (plain.isEmpty() || !info.isFile() || !info.isExecutable()) return QString();
  return plain;
}

void StartProgram(const QString& program, const QStringList& arguments) {
  ShellAction action;
  action.kind = ShellActionKind::StartProgram;
  action.program = programPath(program);
  action.arguments = arguments;
  perform(action);
}

ProgramRunResult RunProgramAndWait(const QString& program, const QStringList& arguments, int windowStyle) {
  ShellAction action;
  action.kind = ShellActionKind::RunAndWait;
  action.program = programPath(program);
  action.arguments = arguments;
  action.windowStyle = windowStyle;
  ProgramRunResult run;
  perform(action, &run);
  return run;
}

bool OpenDocumentOrSayNot(const QString& path) {
  const QFileInfo file(withSlashes(path));
  if (path.isEmpty() || !file.isFile()) return false;
  ShellAction action;
  action.kind = ShellActionKind::OpenUrl;
  action.url = QUrl::fromLocalFile(file.absoluteFilePath());
  return perform(action);
}

void OpenUrl(const QUrl& url) {
  if (url.isEmpty() || !url.isValid()) return;
  ShellAction action;
  action.kind = ShellActionKind::OpenUrl;
  action.url = url;
  perform(action);
}

QUrl MailLinkUrl(const QString& address, const QString& subject, const QString& body) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(address, QUrl::DecodedMode);
  QStringList items;
  if (!subject.isEmpty())
    items << QStringLiteral("subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
  if (!body.isEmpty())
    items << QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
  if (!items.isEmpty()) url.setQuery(items.join(u'&'), QUrl::StrictMode);
  return url;
}

QUrl TelephoneUrl(const QString& number) {
  const QString normal = number.normalized(QString::NormalizationForm_KC);
  QString kept;
  bool hasDigit = false;
  for (qsizetype i = 0; i < normal.size(); ++i) {
    const QChar c = normal.at(i);
    // Where the number ends: what follows is for the person who answers
    // (an extension) or for the dialler (a pause), not part of the call.
    if (c == u';' || c == u',') break;
    if (hasDigit && (c == u'x' || c == u'X' || QStringView(normal).mid(i).startsWith(u"内線"))) break;
    if (c >= u'0' && c <= u'9') {
      hasDigit = true;
      kept += c;
    } else if (c == u'+' || c == u'*' || c == u'#') {
      kept += c;
    }
  }
  if (!hasDigit) return QUrl();
  QUrl url;
  url.setScheme(QStringLiteral("tel"));
  url.setPath(kept, QUrl::DecodedMode);
  return url;
}

void PlaceTelephoneCall(const QString& number) { OpenUrl(TelephoneUrl(number)); }

}  // namespace platform

void ShellOpen(const QString& target) {
  if (target.isEmpty()) return;
  QString program;
  QStringList arguments;
  if (platform::splitProgramCommand(target, program, arguments)) {
    if (!platform::IsCompanionProgramName(platform::programBaseName(program))) return platform::refuse(target);
    platform::StartProgram(program, arguments);
    return;
  }
  // An address is opened although it is no file; a document only when it
  // exists, and never a folder.
  platform::OpenLink(target);
}

void RunAndWait(const QString& commandLine, int windowStyle) {
  QString program;
  QStringList arguments;
  if (!platform::splitProgramCommand(commandLine, program, arguments)) {
    arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty()) return;
    program = arguments.takeFirst();
  }
  if (!platform::IsCompanionProgramName(platform::programBaseName(program))) return platform::refuse(commandLine);
  platform::RunCompanionProgram(platform::programBaseName(program), arguments, windowStyle, {});
}

void OpenMailLink(const QString& address, const QString& /*unused*/, const QString& subject,
                  const QString& body) {
  QString to = platform::trimHalfWidthBlanks(address);
  if (to.left(7).toUpper() == QStringLiteral("MAILTO:")) to = to.mid(7);
  platform::OpenUrl(
      platform::MailLinkUrl(to, platform::trimHalfWidthBlanks(subject), platform::trimHalfWidthBlanks(body)));
}
