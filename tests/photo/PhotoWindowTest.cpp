// The photo window: what its lists show and hide, loading and saving a
// picture with its sidecar, turning, stretching and printing.
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cerrno>

#include "core/ui/HelpPage.h"
#include "PhotoTest.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/SystemError.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/ui/VersionBox.h"
#include "ruled_photo/PhotoSidecar.h"
#include "ruled_photo/windows/PhotoWindow.h"

namespace {

class PhotoWindowTest : public PhotoTest {
 protected:
  void SetUp() override {
    PhotoTest::SetUp();
    window_ = std::make_unique<PhotoWindow>();
    window_->Form_Load();
  }
  void TearDown() override {
    platform::SetFileDialogHandler({});
    window_.reset();
    PhotoTest::TearDown();
  }
  PhotoWindow& w() { return *window_; }
  void choose(const QString& path) {
    platform::SetFileDialogHandler(
        [path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  }
  QString picture(const QString& name, const char* format, int width = 6, int height = 4) {
    const QString path = homeFile(name);
    EXPECT_TRUE(TwoColours(width, height).save(path, format));
    return path;
  }

  std::unique_ptr<PhotoWindow> window_;
};

TEST_F(PhotoWindowTest, ListsShowAndHideTheirControls) {
  const struct {
    int fit, side;
    bool picnomi, data, scale, anchor, fitList;
  } cases[] = {
      {0, 0, true, true, true, true, true},   {3, 0, false, true, true, true, true},
      {4, 0, false, false, false, false, true}, {1, 0, true, true, true, true, true},
      {0, 3, true, true, false, false, false}, {0, 5, true, true, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.fit << "/" << c.side);
    w().Cmb_size->setCurrentIndex(c.fit);
    w().Cmb_Type->setCurrentIndex(c.side);
    EXPECT_EQ(!w().Chk_picnomi->isHidden(), c.picnomi);
    EXPECT_EQ(!w().txt_data->isHidden(), c.data);
    EXPECT_EQ(!w().lbl_setumei->isHidden(), c.data);
    EXPECT_EQ(!w().cmb_bairitu->isHidden(), c.scale);
    EXPECT_EQ(!w().cmb_ichi->isHidden(), c.anchor);
    EXPECT_EQ(!w().Cmb_size->isHidden(), c.fitList);
  }
  EXPECT_EQ(w().cmb_bairitu->itemText(0), QStringLiteral("100%"));
  EXPECT_EQ(w().cmb_bairitu->itemText(9), QStringLiteral("10%"));
  EXPECT_EQ(w().CurrentPicturePath, DataFolder);
}

TEST_F(PhotoWindowTest, TitleBoxTakesTheHeaderFontAndColourOnActivation) {
  PaperSettings.HeadFontName = QStringLiteral("Noto Serif CJK JP");
  PaperSettings.HeadColor = RgbValue(200, 10, 20);
  w().Form_Activate();
  EXPECT_EQ(w().txt_title->font().family(), PaperSettings.HeadFontName);
  EXPECT_EQ(w().txt_title->palette().color(QPalette::Text), QColor(200, 10, 20));
}

TEST_F(PhotoWindowTest, LoadingReadsTheSidecarAndKeepsTextsWithoutOne) {
  const QString png = picture(QStringLiteral("海.png"), "PNG");
  WriteBytes(homeFile(QStringLiteral("海.png.ringpad")),
             platform::ToSjis(QStringLiteral("@title=海辺\r\n@size_type=1\r\n@SIZE_ICHI=4\r\n@SIZE_BAIRITU=12\r\n"
                                             "一行目\r\n@メモ\r\n二行目\r\n")));
  // A bitmap's side file of the same stem is not the PNG picture's.
  WriteBytes(homeFile(QStringLiteral("海.txt")), platform::ToSjis(QStringLiteral("@TITLE=違う\r\n")));
  w().cmb_bairitu->setCurrentIndex(2);
  choose(png);
  w().Cmd_FileRead_Click();
  EXPECT_EQ(w().SavedPicture.size(), QSize(6, 4));
  EXPECT_EQ(w().txt_title->text(), QStringLiteral("海辺"));
  EXPECT_EQ(w().txt_data->toPlainText(), QStringLiteral("一行目\n@メモ\n二行目"));
  EXPECT_EQ(w().Cmb_size->currentIndex(), 1);
  EXPECT_EQ(w().cmb_ichi->currentIndex(), 4);
  EXPECT_EQ(w().cmb_bairitu->currentIndex(), 2);  // 12 is past the list
  EXPECT_EQ(w().CurrentPicturePath, png);

  // A bitmap without a sidecar and an icon (never one) keep the texts.
  const QString bmp = picture(QStringLiteral("山.bmp"), "BMP", 3, 3);
  WriteBytes(homeFile(QStringLiteral("空.txt")), platform::ToSjis(QStringLiteral("@TITLE=違う\r\n")));
  const QString ico = picture(QStringLiteral("空.ico"), "ICO", 16, 16);
  for (const QString& path : {bmp, ico}) {
    SCOPED_TRACE(path.toStdString());
    choose(path);
    w().Cmd_FileRead_Click();
    EXPECT_EQ(w().SavedPicture.size(), QFileInfo(path).suffix() == "ico" ? QSize(16, 16) : QSize(3, 3));
    EXPECT_EQ(w().txt_title->text(), QStringLiteral("海辺"));
  }
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(PhotoWindowTest, BadFilesKeepThePreviousPictureAndTexts) {
  choose(picture(QStringLiteral("good.bmp"), "BMP"));
  w().Cmd_FileRead_Click();
  w().txt_title->setText(QStringLiteral("題"));
  const QByteArray good = ReadBytes(homeFile(QStringLiteral("good.bmp")));
  // The header's pixel offset moved so that the last rows would lie past
  // the end of the file, where the decoder would take whatever memory holds.
  QByteArray lying = good;
  const quint32 offset = quint32(good.size() - 8);
  for (int i = 0; i < 4; ++i) lying[10 + i] = char(offset >> (8 * i));
  QByteArray jpeg;
  {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    photo.save(&buffer, "JPEG");
  }
  const struct {
    const char* name;
    QByteArray bytes;
    QString message;
  } cases[] = {
      {"cut.bmp", good.left(40), QStringLiteral("画像ファイル「cut.bmp」は途中で切れているか壊れているため、読み込めませんでした。")},
      {"lying.bmp", lying,
       QStringLiteral("画像ファイル「lying.bmp」は途中で切れているか壊れているため、読み込めませんでした。")},
      {"cut.jpg", jpeg.left(jpeg.size() * 2 / 3),
       QStringLiteral("画像ファイル「cut.jpg」は途中で切れているか壊れているため、読み込めませんでした。")},
      {"zero.bmp", QByteArray(), QStringLiteral("画像ファイル「zero.bmp」を読み込めませんでした。")},
      {"text.bmp", "hello\r\n", QStringLiteral("画像ファイル「text.bmp」を読み込めませんでした。")},
      // An icon directory that lists no image.
      {"empty.ico", QByteArray("\0\0\1\0\0\0", 6), QStringLiteral("画像ファイル「empty.ico」を読み込めませんでした。")},
      {"note.gif", "GIF89a", QStringLiteral("ＢＭＰ、ＩＣＯ、ＰＮＧ、ＪＰＥＧファイル以外読み込めません")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages().clear();
    messages().answer(platform::MsgResult::No);  // the unsaved title may go
    const QString path = homeFile(QString::fromLatin1(c.name));
    WriteBytes(path, c.bytes);
    choose(path);
    w().Cmd_FileRead_Click();
    ASSERT_EQ(messages().texts().size(), 2);
    EXPECT_EQ(messages().texts()[1], c.message);
    EXPECT_EQ(w().SavedPicture.size(), QSize(6, 4));
    EXPECT_EQ(w().txt_title->text(), QStringLiteral("題"));
    EXPECT_EQ(w().CurrentPicturePath, homeFile(QStringLiteral("good.bmp")));
  }
  // A read that fails says why, as the side file's read does.
  const QString folder = homeFile(QStringLiteral("folder.bmp"));
  QDir().mkpath(folder);
  messages().clear();
  EXPECT_FALSE(w().LoadPhotoFile(folder));
  EXPECT_EQ(messages().texts(),
            QStringList{QStringLiteral("「") + folder + QStringLiteral("」を読み込めませんでした。(") +
                        platform::SystemErrorText(EISDIR) + QStringLiteral(")")});
  EXPECT_EQ(w().SavedPicture.size(), QSize(6, 4));
}

// A picture read over a title, text or picture that was not saved asks
// first, as closing does: Cancel opens no dialog, discard reads over them.
TEST_F(PhotoWindowTest, ReadingOverUnsavedWorkAsksFirst) {
  choose(picture(QStringLiteral("first.png"), "PNG"));
  w().Cmd_FileRead_Click();
  w().txt_title->setText(QStringLiteral("まだ保存していない題"));
  ASSERT_TRUE(w().PhotoChanged());
  const QString second = picture(QStringLiteral("second.png"), "PNG", 9, 7);
  int dialogs = 0;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) {
    ++dialogs;
    return std::optional<QString>(second);
  });
  messages().answer(platform::MsgResult::Cancel);
  w().Cmd_FileRead_Click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].startsWith(
      QStringLiteral("「写真帳」の内容が変更されています。\n書き出してから読み込みますか？")));
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(w().SavedPicture.size(), QSize(6, 4));

  messages().answer(platform::MsgResult::No);
  w().Cmd_FileRead_Click();
  EXPECT_EQ(messages().texts().size(), 2);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(w().SavedPicture.size(), QSize(9, 7));
  EXPECT_FALSE(w().PhotoChanged());
}

// A side file that is no text is named, and shown as none.
TEST_F(PhotoWindowTest, AHugeOrBinarySidecarStillLoadsThePicture) {
  QByteArray manyLines;
  for (int i = 0; i < 10000; ++i) manyLines += "line " + QByteArray::number(i) + "\r\n";
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char((i * 37) & 0xff));
  const struct {
    const char* name;
    QByteArray sidecar;
    int lines;  // of the description box
  } cases[] = {{"many", manyLines, 10000}, {"binary", binary, -1}};
  w().Cmb_size->setCurrentIndex(2);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QString::fromLatin1(c.name);
    const QString png = picture(name + QStringLiteral(".png"), "PNG", 7, 5);
    WriteBytes(homeFile(name + QStringLiteral(".png.ringpad")), c.sidecar);
    w().SavedPicture = QImage();
    choose(png);
    w().Cmd_FileRead_Click();
    EXPECT_EQ(w().SavedPicture.size(), QSize(7, 5));
    EXPECT_EQ(w().CurrentPicturePath, png);
    EXPECT_EQ(w().Cmb_size->currentIndex(), 2);
    if (c.lines > 0) {
      EXPECT_EQ(w().txt_data->blockCount(), c.lines);
    }
  }
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("「") + homeFile(QStringLiteral("binary.png.ringpad")) +
                                            QStringLiteral("」はテキストファイルではないので、読み込めません。")});
}

TEST_F(PhotoWindowTest, ASidecarThatCannotBeWrittenPutsTheOldPictureBack) {
  const QString in = picture(QStringLiteral("in.png"), "PNG");
  choose(in);
  w().Cmd_FileRead_Click();
  w().Cmd_kaiten_Click();
  // The side file's name links into a folder that is gone (a drive taken
  // away): the picture can be written, its side file cannot.
  const QString old = picture(QStringLiteral("old.bmp"), "BMP", 9, 9);
  const QByteArray oldBytes = ReadBytes(old);
  const struct {
    const char* picture;
    const char* sidecar;
    bool existed;
  } cases[] = {{"old.bmp", "old.txt", true}, {"new.bmp", "new.txt", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    const QString path = homeFile(QString::fromLatin1(c.picture));
    const QString sidecar = homeFile(QString::fromLatin1(c.sidecar));
    ASSERT_TRUE(QFile::link(homeFile(QStringLiteral("gone/side.txt")), sidecar));
    messages().clear();
    choose(path);
    w().Cmd_FileWrite_Click();
    EXPECT_EQ(QFileInfo::exists(path), c.existed);
    if (c.existed) {
      EXPECT_EQ(ReadBytes(path), oldBytes);
    }
    // One message, after the overwrite question, naming the side file.
    const QStringList texts = messages().texts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_TRUE(texts.last().contains(sidecar)) << texts.last().toStdString();
    EXPECT_EQ(texts.size(), c.existed ? 2 : 1);
    // A save that failed leaves the window at its file.
    EXPECT_EQ(w().CurrentPicturePath, in);
  }
}

TEST_F(PhotoWindowTest, HelpNamesTheHomePage) {
  w().Cmd_help_Click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].endsWith(MoreHelpLine() + QStringLiteral("。\r\n\r\n")));
  EXPECT_TRUE(messages().texts()[0].contains(HomePageAddress()));
}

TEST_F(PhotoWindowTest, SavingWritesTheNamedFormatAndTheSidecar) {
  choose(picture(QStringLiteral("in.png"), "PNG"));
  w().Cmd_FileRead_Click();
  w().txt_title->setText(QStringLiteral("旅"));
  w().txt_data->setPlainText(QStringLiteral("一\n二"));
  w().Cmd_kaiten_Click();
  w().Command1_click();  // the page's proportions print, the file keeps its own

  const struct {
    const char* name;
    const char* format;
    const char* sidecar;
  } cases[] = {{"out.bmp", "bmp", "out.txt"}, {"out.png", "png", "out.png.ringpad"}, {"noext", "bmp", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = homeFile(QString::fromLatin1(c.name));
    choose(path);
    w().Cmd_FileWrite_Click();
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray(c.format));
    EXPECT_EQ(reader.size(), QSize(4, 6));  // turned, not stretched
    if (c.sidecar) {
      EXPECT_EQ(ReadBytes(homeFile(QString::fromLatin1(c.sidecar))),
                WritePhotoSidecar({.title = QStringLiteral("旅"), .fit = 0, .scale = 0, .anchor = 0, .pictureOnly = 0, .text = QStringLiteral("一\r\n二")}));
    }
  }
  EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("noext.txt"))));
  EXPECT_NE(w().PrintedPicture.size(), w().SavedPicture.size());

  // Existing files: Cancel writes nothing.
  const QByteArray before = ReadBytes(homeFile(QStringLiteral("out.bmp")));
  w().Cmd_kaiten_Click();
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  choose(homeFile(QStringLiteral("out.bmp")));
  w().Cmd_FileWrite_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("同じファイルがあります、上書きしますか？\r\n")));
  EXPECT_EQ(messages().shown()[0].defaultButton, 2);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("out.bmp"))), before);
  EXPECT_EQ(w().CurrentPicturePath, homeFile(QStringLiteral("noext")));  // the file last written

  // A picture of another kind beside a bitmap of the same stem replaces
  // nothing of the bitmap's and asks nothing; once it exists, the question
  // names the files that would be replaced.
  messages().clear();
  const QByteArray bitmapSide = ReadBytes(homeFile(QStringLiteral("out.txt")));
  w().txt_title->setText(QStringLiteral("別の題"));
  choose(homeFile(QStringLiteral("out.jpg")));
  w().Cmd_FileWrite_Click();
  EXPECT_TRUE(messages().shown().empty());
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("out.txt"))), bitmapSide);
  EXPECT_TRUE(ReadPhotoSidecar(ReadBytes(homeFile(QStringLiteral("out.jpg.ringpad")))).title == QStringLiteral("別の題"));
  messages().answer(platform::MsgResult::Cancel);
  w().Cmd_FileWrite_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("同じファイルがあります、上書きしますか？\r\n") +
                                            homeFile(QStringLiteral("out.jpg")) + QStringLiteral("\r\n") +
                                            homeFile(QStringLiteral("out.jpg.ringpad")));

  // A cancelled dialog keeps the path, so that the next one opens at it.
  platform::SetFileDialogHandler([](const platform::FileDialogRequest&) { return std::optional<QString>(); });
  w().Cmd_FileWrite_Click();
  EXPECT_EQ(w().CurrentPicturePath, homeFile(QStringLiteral("out.jpg")));
}

// A side file that cannot be read is never written over with texts that
// did not come from it, and the picture is not saved apart from it.
TEST_F(PhotoWindowTest, ASideFileThatCannotBeReadStopsTheSave) {
  choose(picture(QStringLiteral("in.png"), "PNG"));
  w().Cmd_FileRead_Click();
  w().txt_title->setText(QStringLiteral("旅"));
  QDir().mkpath(homeFile(QStringLiteral("out.txt/inside")));  // a folder cannot be read as a file
  choose(homeFile(QStringLiteral("out.bmp")));
  messages().clear();
  w().Cmd_FileWrite_Click();  // the overwrite question gets OK
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_EQ(messages().texts()[1], QStringLiteral("「") + homeFile(QStringLiteral("out.txt")) +
                                       QStringLiteral("」を読み込めませんでした。(") +
                                       platform::SystemErrorText(EISDIR) + QStringLiteral(")"));
  EXPECT_FALSE(QFileInfo::exists(homeFile(QStringLiteral("out.bmp"))));
  EXPECT_TRUE(QFileInfo(homeFile(QStringLiteral("out.txt/inside"))).isDir());
  EXPECT_TRUE(w().isEnabled());
}

TEST_F(PhotoWindowTest, ClipboardPictureAndPreviewNeverEnlarged) {
  platform::UseMemoryClipboard(true);
  w().Cmd_Fileimport_Click();
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("クリップボードに画像を保管してください。")});

  const int room = w().Picture1->width() - 2 * w().Picture1->frameWidth();
  const struct {
    int width, height;
    QSize shown;
  } cases[] = {{20, 10, {20, 10}}, {room * 2, room * 4, {room, room * 2}}};
  for (const auto& c : cases) {
    platform::ClipboardSetImage(TwoColours(c.width, c.height));
    // The picture pasted before was never saved: let it go.
    if (!w().SavedPicture.isNull()) messages().answer(platform::MsgResult::No);
    w().Cmd_Fileimport_Click();
    EXPECT_EQ(w().SavedPicture.size(), QSize(c.width, c.height));
    EXPECT_EQ(w().Picture1->pixmap().size(), c.shown);
  }
  platform::UseMemoryClipboard(false);
}

TEST_F(PhotoWindowTest, PrintsWhatTheWindowShows) {
  platform::UseMemoryClipboard(true);
  platform::ClipboardSetImage(TwoColours(200, 100));
  w().Cmd_Fileimport_Click();
  platform::UseMemoryClipboard(false);
  w().cmb_bairitu->setCurrentIndex(5);
  w().cmb_ichi->setCurrentIndex(4);
  w().txt_data->setPlainText(QStringLiteral("説明"));
  w().Cmd_print_Click();
  const auto images = ops(RecordedOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_NEAR(images[0].x1, 28, 0.05);
  EXPECT_NEAR(images[0].y1, 72.5, 0.05);
  EXPECT_TRUE(printer().texts().join(QString()).contains(QStringLiteral("説")));

  // Full page hides the texts, and so prints none.
  printer().clearOps();
  w().Cmb_size->setCurrentIndex(4);
  w().Cmd_print_Click();
  EXPECT_FALSE(printer().texts().join(QString()).contains(QStringLiteral("説")));
}

}  // namespace

// 用紙いっぱいに stays in force when the picture is turned: the turned
// picture is stretched to the page body again, and saving keeps the plain
// turned picture.
TEST_F(PhotoWindowTest, TurningAStretchedPictureKeepsTheStretch) {
  QImage picture(40, 10, QImage::Format_RGB32);
  picture.fill(Qt::green);
  ASSERT_TRUE(picture.save(homeFile(QStringLiteral("wide.bmp")), "BMP"));
  ASSERT_TRUE(w().LoadPhotoFile(homeFile(QStringLiteral("wide.bmp"))));
  w().Command1_click();
  const QSize stretched = w().PrintedPicture.size();
  ASSERT_NE(stretched, QSize(40, 10));
  w().Cmd_kaiten_Click();
  EXPECT_EQ(w().SavedPicture.size(), QSize(10, 40));
  EXPECT_TRUE(w().Stretched);
  EXPECT_EQ(w().PrintedPicture.size(), StretchPictureToBody(w().SavedPicture).size());
  EXPECT_NE(w().PrintedPicture.size(), w().SavedPicture.size());
  // A new picture starts unstretched.
  ASSERT_TRUE(w().LoadPhotoFile(homeFile(QStringLiteral("wide.bmp"))));
  EXPECT_FALSE(w().Stretched);
  EXPECT_EQ(w().PrintedPicture.size(), QSize(40, 10));
}
