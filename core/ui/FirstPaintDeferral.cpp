#include "FirstPaintDeferral.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>
#include <vector>

namespace {

bool heldForFirstPaint = false;
std::vector<std::function<void()>>& HeldFirstPaintWork() {
  static std::vector<std::function<void()>> work;
  return work;
}

}  // namespace

FirstPaintDeferral::FirstPaintDeferral() : settings_(std::in_place) { heldForFirstPaint = true; }

FirstPaintDeferral::~FirstPaintDeferral() { finish(); }

void FirstPaintDeferral::finish() {
  if (!settings_) return;
  heldForFirstPaint = false;
  // Work may hold more work back: it then runs at once, as nothing is held.
  std::vector<std::function<void()>> work = std::exchange(HeldFirstPaintWork(), {});
  for (const std::function<void()>& step : work) step();
  settings_.reset();
}

void FirstPaintDeferral::finishOnLoopsFirstTurn(QObject* context) {
  QTimer::singleShot(0, context, [this] { finish(); });
}

void RunAfterFirstPaint(std::function<void()> work) {
  if (!heldForFirstPaint) {
    work();
    return;
  }
  HeldFirstPaintWork().push_back(std::move(work));
}

void RunPendingMessages() {
  if (!heldForFirstPaint) QCoreApplication::processEvents();
}
