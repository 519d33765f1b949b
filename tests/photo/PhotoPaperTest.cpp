// The paper of each sheet side of the photo page through the PDF printer:
// the smallest of A4 and A3 that holds what the side draws, upright unless
// it fits only turned, and nothing drawn off it.
#include "PaperBounds.h"
#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/PhotoPage.h"

namespace {

class PhotoPaperTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    WriteDefaultSettings();
  }
  void TearDown() override {
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
};

TEST_F(PhotoPaperTest, EachSideGoesOnThePaperThatHoldsIt) {
  constexpr auto P = QPageLayout::Portrait;
  constexpr auto L = QPageLayout::Landscape;
  PhotoPageOptions options;
  options.picture = QImage(60, 40, QImage::Format_RGB32);
  options.picture.fill(Qt::darkBlue);
  options.title = QStringLiteral("海の写真");
  options.text = QStringLiteral("浜辺にて");
  struct Row {
    int size;                       // PaperIndex
    int side;                       // 表面, 裏面, ２折, ３折, Ａ４左端, Ａ４右端
    QPageLayout::Orientation turn;  // always on A4
  } rows[] = {
      {0, 0, P},
      {0, 1, P},
      {0, 2, P},
      {0, 3, P},
      {0, 4, P},
      {0, 5, P},
      // The page across a sheet folded in two is 2W - L wide: 286 mm at Ａ５.
      {6, 0, P},
      {6, 1, P},
      {6, 2, L},
      {6, 3, P},
      {6, 4, P},
      {6, 5, P},
      {19, 2, P},
  };
  for (const Row& r : rows) {
    LoadOrganiserSize(r.size);
    options.side = r.side;
    const std::string what = QStringLiteral("size %1 side %2").arg(r.size).arg(r.side).toStdString();
    const PdfPaperRun run = RunOnPdfPaper([&] {
      ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
      PrintPhotoPages(options);
    });
    EXPECT_EQ(run.sheets, 1) << what;
    EXPECT_EQ(run.paperName(), PaperName(QPageSize::A4, r.turn)) << what;
    EXPECT_EQ(run.offPaper, QStringList()) << what;
    EXPECT_EQ(messages().texts(), QStringList()) << what;
    messages().clear();
  }
}

}  // namespace
