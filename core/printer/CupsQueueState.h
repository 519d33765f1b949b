#pragma once
// What CUPS says a queue does with the jobs handed to it, read from the
// queue's attributes as `lpoptions -p <queue>` lists them. The attributes
// are names and values that no locale translates, unlike lpstat's sentences.
#include <QByteArray>
#include <QString>

#include "core/print/PrinterInfo.h"

// The state a queue's listed attributes give; Unknown when they name neither
// whether it takes jobs nor whether it runs.
QueueState QueueStateFromCupsOptions(const QByteArray& listed);

// Asks CUPS now; Unknown when it cannot be asked (no client tools, no
// scheduler, no such queue).
QueueState AskCupsQueueState(const QString& queue);
