// The photo's side file goes through the cycle of every document: read with
// the checks of a data file, a UTF-8 one shown and kept UTF-8, one that is
// not Shift-JIS text rewritten only with the user's word.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "PhotoTest.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "ruled_photo/PhotoSidecar.h"
#include "ruled_photo/windows/PhotoWindow.h"

namespace {

class PhotoSidecarSaveTest : public PhotoTest {
 protected:
  void SetUp() override {
    PhotoTest::SetUp();
    window_ = std::make_unique<PhotoWindow>();
    window_->Form_Load();
    platform::SetFileDialogHandler(
        [this](const platform::FileDialogRequest&) { return std::optional<QString>(picture_); });
  }
  void TearDown() override {
    platform::SetFileDialogHandler({});
    window_.reset();
    PhotoTest::TearDown();
  }
  PhotoWindow& w() { return *window_; }
  // A picture with the side file's bytes beside it.
  void makePhoto(const QByteArray& sidecar) {
    picture_ = homeFile("trip.png");
    ASSERT_TRUE(TwoColours(6, 4).save(picture_, "PNG"));
    WriteBytes(sidecarPath(), sidecar);
  }
  QString sidecarPath() const { return PhotoSidecarPath(picture_); }

  QString picture_;
  std::unique_ptr<PhotoWindow> window_;
};

const QString kOptions = QStringLiteral("@SIZE_TYPE=0\r\n@SIZE_BAIRITU=0\r\n@SIZE_ICHI=0\r\n@PICNOMI=0\r\n");

// A Linux editor's side file: shown as its text, written back UTF-8 with
// its byte order mark if it had one, characters Shift-JIS lacks and all,
// without a question.
TEST_F(PhotoSidecarSaveTest, AUtf8SideFileIsShownAndStaysUtf8) {
  for (const bool bom : {false, true}) {
    SCOPED_TRACE(bom);
    const QString text = QStringLiteral("@TITLE=旅行\r\n") + kOptions + QStringLiteral("𠮷野家で昼食\r\n");
    makePhoto((bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8());
    ASSERT_TRUE(w().LoadPhotoFile(picture_));
    EXPECT_EQ(w().txt_title->text(), QStringLiteral("旅行"));
    EXPECT_EQ(w().txt_data->toPlainText(), QStringLiteral("𠮷野家で昼食"));
    EXPECT_FALSE(w().PhotoChanged());

    w().txt_title->setText(QStringLiteral("夏の旅行"));
    messages().clear();
    w().Cmd_FileWrite_Click();  // the overwrite question gets OK
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_TRUE(messages().texts()[0].startsWith(QStringLiteral("同じファイルがあります")));
    const QByteArray written = ReadBytes(sidecarPath());
    EXPECT_EQ(written, (bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) +
                           QString(text).replace(QStringLiteral("旅行"), QStringLiteral("夏の旅行")).toUtf8());
    EXPECT_FALSE(w().PhotoChanged());
  }
}

// Bytes that make no Shift-JIS character: the question first; cancel
// writes neither file, OK writes both and keeps the untouched line's bytes.
TEST_F(PhotoSidecarSaveTest, ASideFileThatIsNotShiftJisIsRewrittenOnlyWithTheUsersWord) {
  // A stray lead byte before "ｶ" reads as "・ｶ".
  const QByteArray stray("x\x81\xB6y");
  makePhoto(platform::ToSjis(QStringLiteral("@TITLE=旅行\r\n") + kOptions) + stray + "\r\n");
  ASSERT_TRUE(w().LoadPhotoFile(picture_));
  const QByteArray pictureBefore = ReadBytes(picture_);
  const QByteArray sidecarBefore = ReadBytes(sidecarPath());
  w().txt_title->setText(QStringLiteral("夏の旅行"));
  w().Cmd_kaiten_Click();

  messages().clear();
  messages().answer(platform::MsgResult::Ok);      // overwrite
  messages().answer(platform::MsgResult::Cancel);  // not Shift-JIS: leave it
  w().Cmd_FileWrite_Click();
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_TRUE(messages().texts()[1].contains(QStringLiteral("Shift-JISのテキストではないようです")));
  EXPECT_EQ(ReadBytes(picture_), pictureBefore);
  EXPECT_EQ(ReadBytes(sidecarPath()), sidecarBefore);
  EXPECT_TRUE(w().PhotoChanged());

  messages().clear();
  w().Cmd_FileWrite_Click();  // OK to both
  EXPECT_EQ(messages().texts().size(), 2);
  EXPECT_NE(ReadBytes(picture_), pictureBefore);
  EXPECT_EQ(ReadBytes(sidecarPath()),
            platform::ToSjis(QStringLiteral("@TITLE=夏の旅行\r\n") + kOptions) + stray + "\r\n");
  EXPECT_FALSE(w().PhotoChanged());
}

// A side file that is no text is told, not shown as garbage; saving over
// it replaces it only once the user agreed to replace both files.
TEST_F(PhotoSidecarSaveTest, ASideFileThatIsNoTextIsToldAndNotShown) {
  const QByteArray junk("@TITLE=x\r\n\0\0\0junk", 16);
  makePhoto(junk);
  messages().clear();
  EXPECT_TRUE(w().LoadPhotoFile(picture_));
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("「") + sidecarPath() +
                                            QStringLiteral("」はテキストファイルではないので、読み込めません。")});
  EXPECT_NE(w().txt_title->text(), QStringLiteral("x"));

  w().Cmd_kaiten_Click();
  w().txt_title->setText(QStringLiteral("新しい題"));
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  w().Cmd_FileWrite_Click();
  EXPECT_EQ(ReadBytes(sidecarPath()), junk);
  messages().answer(platform::MsgResult::Ok);
  w().Cmd_FileWrite_Click();
  EXPECT_EQ(messages().texts().size(), 2);  // the overwrite question, each time
  EXPECT_EQ(ReadPhotoSidecar(ReadBytes(sidecarPath())).title, QStringLiteral("新しい題"));
}

}  // namespace
