#include "FileMenuCaption.h"

#include <QAction>

#include "MainWindow.h"

QString FileMenuCaption(FileItem item) {
  const MainWindow* main = CurrentMainWindow();
  if (!main) return QString();
  const QAction* action = main->FileItemAction(item);
  return action ? action->text() : QString();
}
