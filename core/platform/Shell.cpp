#include "Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>

#include "CompanionProgram.h"
#include "MessageBox.h"

namespace platform {
namespace {

// Stored paths may separate folders with a backslash as well.
QString withSlashes(QString path) { return path.replace(u'\\', u'/'); }

ShellHandler& shellHandler() {
  static ShellHandler h;
  return h;
}

ProgramRunResult& lastRun() {
  static ProgramRunResult r;
  return r;
}

bool runAndWaitReal(const ShellAction& action) {
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
    lastRun().error = process.errorString();
    return false;
  }
  // The program's windows repaint and take input while the companion runs.
  loop.exec();
  lastRun().crashed = process.exitStatus() == QProcess::CrashExit;
  lastRun().exitCode = process.exitCode();
  return true;
}

bool perform(const ShellAction& action) {
  if (shellHandler()) {
    shellHandler()(action);
    return true;
  }
  switch (action.kind) {
    case ShellActionKind::StartProgram:
      return QProcess::startDetached(action.program, action.arguments, QDir::currentPath());
    case ShellActionKind::RunAndWait: return runAndWaitReal(action);
    case ShellActionKind::OpenUrl: return QDesktopServices::openUrl(action.url);
  }
  return false;
}

void refuse(const QString& target) {
  ShowMessage(RefusedTargetMessage(target), MsgButtons::Ok, MsgIcon::Exclamation);
}

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

}  // namespace

void SetShellHandler(ShellHandler h) { shellHandler() = std::move(h); }

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
  return QStringLiteral("「%1」は開けません。\r\n"
                        "開けるのは、http、https、mailto、telのアドレス、"
                        "文書(.txt、.htm、.html、.pdf、.csv、画像)と、"
                        "プログラムフォルダの姉妹ソフトだけです。")
      .arg(target);
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
  lastRun() = ProgramRunResult();
  lastRun().started = perform(action);
  return lastRun();
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

void OpenLocalDocument(const QString& path) {
  const QFileInfo file(withSlashes(path));
  if (path.isEmpty() || !file.isFile()) return;
  OpenUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
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
  for (QChar c : normal) {
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
  // An address with a scheme (two letters at least, so that a drive letter
  // stays a path) is opened although it is no file; a document only when it
  // exists, and never a folder.
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  QString document = target;
  if (scheme.match(target).hasMatch()) {
    const QUrl url(target, QUrl::TolerantMode);
    if (!url.isLocalFile()) {
      if (!platform::IsAllowedUrlScheme(url.scheme())) return platform::refuse(target);
      platform::OpenUrl(url);
      return;
    }
    document = url.toLocalFile();
  }
  const QFileInfo file(platform::withSlashes(document));
  if (!file.isFile()) return;
  if (!platform::IsAllowedDocument(document)) return platform::refuse(target);
  platform::OpenLocalDocument(document);
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
