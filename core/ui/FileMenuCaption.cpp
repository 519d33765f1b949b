#include "FileMenuCaption.h"

#include <QAction>

#include "Ringpad.h"

QString FileMenuCaption(FileItem item) {
  const Ringpad* main = RingpadForm();
  if (!main) return QString();
  const QAction* action = main->FileItemAction(item);
  return action ? action->text() : QString();
}
