#pragma once
// What CUPS says a queue does with the jobs handed to it, read from the
// queue's attributes as `lpoptions -p <queue>` lists them (names and values
// that no locale translates, unlike lpstat's sentences), and the jobs it
// holds, done and not, as `lpstat -W all -l -o <queue>` lists them.
#include <QByteArray>
#include <QList>
#include <QString>

#include "core/print/PrinterInfo.h"

// The state a queue's listed attributes give; Unknown when they name neither
// whether it takes jobs nor whether it runs.
QueueState QueueStateFromCupsOptions(const QByteArray& listed);

// Asks CUPS now; Unknown when it cannot be asked (no client tools, no
// scheduler, no such queue).
QueueState AskCupsQueueState(const QString& queue);

// The jobs of the queue in lpstat's long listing: one line per job starting
// with "<queue>-<number>", then indented lines about it; a held job is named
// by the reason job-hold-until-specified.
QList<QueueJob> QueueJobsFromLpstat(const QString& queue, const QByteArray& listed);

// Asks CUPS now: NoSuchQueue when the scheduler does not know the queue,
// Unanswered when it cannot be asked (no client tools, no answer in time).
QueueJobList AskCupsQueueJobs(const QString& queue);
