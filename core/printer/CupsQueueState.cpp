#include "CupsQueueState.h"

#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int kCupsAnswerMs = 5000;

// The attributes as lpoptions lists them: name=value, separated by blanks;
// a value with blanks or quotes is quoted with ' or " and may escape a
// character with a backslash.
QHash<QByteArray, QByteArray> SplitCupsOptions(const QByteArray& listed) {
  QHash<QByteArray, QByteArray> options;
  QByteArray token;
  char quote = 0;
  const auto finish = [&] {
    const qsizetype equals = token.indexOf('=');
    if (equals > 0)
      options.insert(token.left(equals), token.mid(equals + 1));
    else if (!token.isEmpty())
      options.insert(token, QByteArray());
    token.clear();
  };
  for (qsizetype i = 0; i < listed.size(); ++i) {
    const char c = listed[i];
    if (c == '\\' && i + 1 < listed.size()) {
      token += listed[++i];
    } else if (quote) {
      if (c == quote)
        quote = 0;
      else
        token += c;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      finish();
    } else {
      token += c;
    }
  }
  finish();
  return options;
}

}  // namespace

QueueState QueueStateFromCupsOptions(const QByteArray& listed) {
  const QHash<QByteArray, QByteArray> options = SplitCupsOptions(listed);
  const auto accepting = options.constFind("printer-is-accepting-jobs");
  const auto state = options.constFind("printer-state");
  if (accepting == options.cend() && state == options.cend()) return QueueState::Unknown;
  // A refused job is not held either: refusing says more than stopped.
  if (accepting != options.cend() && *accepting == "false") return QueueState::Refusing;
  // IPP's printer-state: 3 idle, 4 processing, 5 stopped.
  if (state != options.cend() && *state == "5") return QueueState::Stopped;
  return QueueState::Ready;
}

QueueState AskCupsQueueState(const QString& queue) {
  if (queue.isEmpty()) return QueueState::Unknown;
  QProcess lpoptions;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  lpoptions.setProcessEnvironment(environment);
  lpoptions.setStandardInputFile(QProcess::nullDevice());
  lpoptions.setStandardErrorFile(QProcess::nullDevice());
  lpoptions.start(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue});
  if (!lpoptions.waitForFinished(kCupsAnswerMs)) {
    lpoptions.kill();
    lpoptions.waitForFinished();
    return QueueState::Unknown;
  }
  if (lpoptions.exitStatus() != QProcess::NormalExit || lpoptions.exitCode() != 0) return QueueState::Unknown;
  return QueueStateFromCupsOptions(lpoptions.readAllStandardOutput());
}
