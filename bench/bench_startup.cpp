// Start-up as the user sees it: from creating the main window to its first
// paint offscreen, and to the end of the whole load step (first page open,
// preview window and printer probe done), in a program folder that has run
// before.
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "app/RegisterPages.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"

namespace {

// Notes the time of the first paint of the watched window.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && at < 0) at = clock_.nsecsElapsed();
    return QObject::eventFilter(watched, event);
  }
  qint64 at = -1;

 private:
  const QElapsedTimer& clock_;
};

void StartUp(benchmark::State& state, bool toFirstPaint) {
  QTemporaryDir home;
  qputenv("RINGPAD_HOME", home.path().toLocal8Bit());
  RegisterAllPages();
  platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
  platform::SetEndProgramHandler([](int) {});
  for (auto _ : state) {
    QElapsedTimer clock;
    FirstPaint paint(clock);
    clock.start();
    MainWindow window(StartupArgs{home.path() + QStringLiteral("/ringpad"), {}});
    window.installEventFilter(&paint);
    window.MDIForm_Load();
    const qint64 loaded = clock.nsecsElapsed();
    const qint64 at = toFirstPaint && paint.at >= 0 ? paint.at : loaded;
    state.SetIterationTime(static_cast<double>(at) / 1e9);
  }
  platform::SetEndProgramHandler({});
  platform::SetMessageHandler({});
  qunsetenv("RINGPAD_HOME");
}

void BM_StartupToFirstPaint(benchmark::State& state) { StartUp(state, true); }
void BM_StartupWholeLoadStep(benchmark::State& state) { StartUp(state, false); }

}  // namespace

BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupWholeLoadStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
