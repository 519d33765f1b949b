#include <QApplication>
#include <QFont>

#include "RegisterPages.h"
#include "core/platform/LeakCheck.h"
#include "core/print/FontMapping.h"
#include "core/ui/LazyStandardIcons.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ProgramIcon.h"
#include "core/ui/QtTranslations.h"

#ifdef RINGPAD_LEAK_CHECK
// What system libraries leave behind is not ours to report. Seen by the
// sanitizer runtime only when exported, as the program hides its symbols.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
  return kKnownSystemLeaks;
}
#endif

namespace {

// The windows' captions are Japanese, so widgets take a Japanese gothic
// face, which has Latin letters too, each half as wide as a Japanese one:
// lists that line up their columns with blanks then line up. A Latin face
// would leave every Japanese character to fallback faces, looked up and
// shaped while the first window is laid out. It is the application's font,
// not only the widgets': a line box lays out its text once in the
// application's font before it takes its own, which would load a second face
// at start-up. What is drawn on pages names its fonts whole and keeps them.
// Unhinted, as pages are: light hinting ran the auto-hinter over every glyph
// of the menus and the first window before they could be measured.
void UseJapaneseWidgetFace() {
  QFont face = QApplication::font();
  face.setFamilies({MapFontFamily(QStringLiteral("MS Gothic"))});
  face.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(face);
}

}  // namespace

int main(int argc, char* argv[]) {
  UseJapaneseSystemLocale();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ringpad"));
  UseLazyStandardIcons();
  UseProgramIcon();
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
