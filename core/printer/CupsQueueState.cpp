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

namespace {

struct CupsClientAnswer {
  bool ran = false;  // it started and ended within the time allowed
  int exitCode = -1;
  QByteArray output;
  QByteArray errors;
};

// Runs one of CUPS's client tools with untranslated output; a tool that
// does not answer in time is stopped and counts as not run.
CupsClientAnswer RunCupsClient(const QString& program, const QStringList& arguments) {
  CupsClientAnswer answer;
  QProcess tool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  tool.setProcessEnvironment(environment);
  tool.setStandardInputFile(QProcess::nullDevice());
  tool.start(program, arguments);
  if (!tool.waitForFinished(kCupsAnswerMs)) {
    tool.kill();
    tool.waitForFinished();
    return answer;
  }
  answer.ran = tool.exitStatus() == QProcess::NormalExit;
  answer.exitCode = tool.exitCode();
  answer.output = tool.readAllStandardOutput();
  answer.errors = tool.readAllStandardError();
  return answer;
}

}  // namespace

QueueState AskCupsQueueState(const QString& queue) {
  if (queue.isEmpty()) return QueueState::Unknown;
  const CupsClientAnswer answer = RunCupsClient(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue});
  if (!answer.ran || answer.exitCode != 0) return QueueState::Unknown;
  return QueueStateFromCupsOptions(answer.output);
}

QList<QueueJob> QueueJobsFromLpstat(const QString& queue, const QByteArray& listed) {
  QList<QueueJob> jobs;
  const QByteArray prefix = queue.toUtf8() + '-';
  bool inJob = false;  // the lines below belong to a job of this queue
  for (const QByteArray& line : listed.split('\n')) {
    if (line.isEmpty()) continue;
    if (line[0] == ' ' || line[0] == '\t') {
      // The reason CUPS keeps a job back is a keyword no locale translates.
      if (inJob && line.contains("job-hold-until-specified")) jobs.last().held = true;
      continue;
    }
    const QByteArray id = line.left(line.indexOf(' '));
    bool isNumber = false;
    const int number = id.startsWith(prefix) ? id.mid(prefix.size()).toInt(&isNumber) : 0;
    inJob = isNumber && number > 0;
    if (inJob) jobs.append(QueueJob{number, false});
  }
  return jobs;
}

QueueJobList AskCupsQueueJobs(const QString& queue) {
  QueueJobList list;
  if (queue.isEmpty()) return list;
  const CupsClientAnswer answer =
      RunCupsClient(QStringLiteral("lpstat"),
                    {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-l"), QStringLiteral("-o"), queue});
  if (!answer.ran) return list;
  if (answer.exitCode == 0) {
    list.answer = QueueJobList::Answer::Listed;
    list.jobs = QueueJobsFromLpstat(queue, answer.output);
  } else if (answer.errors.contains("Invalid destination name")) {
    list.answer = QueueJobList::Answer::NoSuchQueue;
  }
  return list;
}
