#include <QApplication>
#include <QFont>

#include "RegisterPages.h"
#include "core/print/FontMapping.h"
#include "core/ui/LazyStandardIcons.h"
#include "core/ui/MainWindow.h"
#include "core/ui/QtTranslations.h"

namespace {

// The windows' captions are Japanese, so widgets take a Japanese gothic
// face, which has Latin letters too, each half as wide as a Japanese one:
// lists that line up their columns with blanks then line up. A Latin face
// would leave every Japanese character to fallback faces, looked up and
// shaped while the first window is laid out. Only widgets take it; what is
// drawn on pages keeps the fonts it names.
void UseJapaneseWidgetFace() {
  QFont face = QApplication::font();
  face.setFamilies({MapFontFamily(QStringLiteral("MS Gothic"))});
  QApplication::setFont(face, "QWidget");
}

}  // namespace

int main(int argc, char* argv[]) {
  UseJapaneseSystemLocale();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ringpad"));
  UseLazyStandardIcons();
  UseJapaneseWidgetFace();
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
