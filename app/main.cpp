#include <QApplication>

#include "RegisterPages.h"
#include "core/ui/MainWindow.h"
#include "core/ui/QtTranslations.h"

int main(int argc, char* argv[]) {
  UseJapaneseSystemLocale();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ringpad"));
  InstallJapaneseQtTranslations();
  RegisterAllPages();
  StartupArgs args;
  args.argv0 = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
  args.arguments = QCoreApplication::arguments().mid(1);
  MainWindow window(args);
  window.MDIForm_Load();
  if (window.ProgramEnded()) return 0;
  return app.exec();
}
