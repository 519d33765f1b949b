// Start-up work held back until the main window has painted.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <memory>
#include <vector>

#include "SettingsTestSupport.h"
#include "core/ui/FirstPaintDeferral.h"

namespace {

using FirstPaintDeferralTest = SettingsTest;

TEST_F(FirstPaintDeferralTest, WorkAndSettingsWaitForTheFirstPaint) {
  std::vector<int> order;
  RunAfterFirstPaint([&] { order.push_back(0); });
  EXPECT_EQ(order, std::vector<int>{0}) << "with nothing held the work runs at once";
  {
    FirstPaintDeferral deferral;
    WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("1"));
    RunAfterFirstPaint([&] {
      order.push_back(1);
      WriteIniValue(QStringLiteral("S"), QStringLiteral("L"), QStringLiteral("2"));
    });
    RunAfterFirstPaint([&] { order.push_back(2); });
    EXPECT_EQ(order, std::vector<int>{0});
    EXPECT_FALSE(QFile::exists(SettingsFilePath())) << "no settings write before the paint";
    EXPECT_EQ(GetIniValue(QStringLiteral("S"), QStringLiteral("K")), QStringLiteral("1"));
    deferral.finish();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=1\r\nL=2\r\n")) << "one write, the held work's settings in it";
    RunAfterFirstPaint([&] { order.push_back(3); });
    EXPECT_EQ(order.back(), 3);
  }
  // A start-up cut short still does what it held back.
  {
    FirstPaintDeferral cutShort;
    RunAfterFirstPaint([&] { order.push_back(4); });
  }
  EXPECT_EQ(order.back(), 4);
}

// Held back to the event loop's first turn, the work and the settings wait
// for it; a start-up whose window goes first does them as it goes.
TEST_F(FirstPaintDeferralTest, WorkHeldForTheLoopsFirstTurnRunsOnceThereOrAtTheEnd) {
  struct Case {
    const char* name;
    bool windowGoesFirst;
  };
  for (const Case c : {Case{"loop turns", false}, Case{"window goes first", true}}) {
    SCOPED_TRACE(c.name);
    QFile::remove(SettingsFilePath());
    int runs = 0;
    auto window = std::make_unique<QObject>();
    {
      auto deferral = std::make_unique<FirstPaintDeferral>();
      RunAfterFirstPaint([&] { ++runs; });
      WriteIniValue(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("1"));
      deferral->finishOnLoopsFirstTurn(window.get());
      EXPECT_EQ(runs, 0);
      EXPECT_FALSE(QFile::exists(SettingsFilePath()));
      if (c.windowGoesFirst) window.reset();
      QCoreApplication::processEvents();
      EXPECT_EQ(runs, c.windowGoesFirst ? 0 : 1);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(settingsBytes(), QByteArray("[S]\r\nK=1\r\n"));
  }
}

// Pending window messages run where a step asks for them, except while a
// start-up holds its first paint, whose own turn of the loop runs them.
TEST_F(FirstPaintDeferralTest, PendingMessagesWaitForTheStartUpsOwnTurn) {
  int ran = 0;
  {
    FirstPaintDeferral deferral;
    QTimer::singleShot(0, [&] { ++ran; });
    RunPendingMessages();
    EXPECT_EQ(ran, 0);
  }
  RunPendingMessages();
  EXPECT_EQ(ran, 1);
}

}  // namespace
