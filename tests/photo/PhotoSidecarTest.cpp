// The title, text and placement kept beside a picture.
#include <gtest/gtest.h>

#include "core/platform/Codec.h"
#include "ruled_photo/PhotoSidecar.h"

namespace {

QByteArray Sjis(const char* text) { return platform::ToSjis(QString::fromUtf8(text)); }

TEST(PhotoSidecarTest, WrittenReadAndWrittenAgainGivesTheSameBytes) {
  for (const char* text : {"", "一行", "一行目\r\n二行目", "終わりに改行\r\n", "\r\n\r\n空行"}) {
    SCOPED_TRACE(text);
    const QString t = QString::fromUtf8(text);
    const QByteArray first = WritePhotoSidecar({.title = QStringLiteral("旅行"), .fit = 2, .scale = 5, .anchor = 4, .pictureOnly = 1, .text = t});
    const PhotoSidecar s = ReadPhotoSidecar(first);
    EXPECT_EQ(s.text, t);
    EXPECT_EQ(WritePhotoSidecar(s), first);
  }
  EXPECT_EQ(WritePhotoSidecar({.title = QStringLiteral("題"), .fit = 0, .scale = -1, .anchor = 3, .pictureOnly = 0, .text = QStringLiteral("説明")}),
            Sjis("@TITLE=題\r\n@SIZE_TYPE=0\r\n@SIZE_BAIRITU=-1\r\n@SIZE_ICHI=3\r\n@PICNOMI=0\r\n説明\r\n"));
}

TEST(PhotoSidecarTest, ReadsKeysInAnyCaseAndKeepsOtherAtLinesAsText) {
  const PhotoSidecar s = ReadPhotoSidecar(
      Sjis("@title=山\r\n@Size_Type= 2.5\r\n@size_bairitu=3\r\n@SIZE_ICHI=6\r\n@picnomi=1\r\n"
           "一行目\r\n@メモ\r\n@@SIZE_TYPE=4\r\n二行目\r\n"));
  EXPECT_TRUE(s.hasTitle);
  EXPECT_EQ(s.title, QStringLiteral("山"));
  EXPECT_EQ(s.fit, 2);  // halves to even
  EXPECT_EQ(s.scale, 3);
  EXPECT_EQ(s.anchor, 6);
  EXPECT_EQ(s.pictureOnly, 1);
  EXPECT_EQ(s.text, QStringLiteral("一行目\r\n@メモ\r\n@SIZE_TYPE=4\r\n二行目"));
}

// Description lines that look like options, or begin with "@" at all, come
// back as the text they were, and change no option.
TEST(PhotoSidecarTest, DescriptionLinesLikeOptionsSurviveARoundTrip) {
  const QString text = QStringLiteral("@TITLE=偽の題\r\n@size_type=4\r\n@@二つ\r\n@\r\n普通\r\n@PICNOMI=1");
  const QByteArray bytes = WritePhotoSidecar({.title = QStringLiteral("本当の題"), .fit = 1, .scale = 2, .anchor = 3, .pictureOnly = 0, .text = text});
  const PhotoSidecar s = ReadPhotoSidecar(bytes);
  EXPECT_EQ(s.text, text);
  EXPECT_EQ(s.title, QStringLiteral("本当の題"));
  EXPECT_EQ(s.fit, 1);
  EXPECT_EQ(s.pictureOnly, 0);
  EXPECT_EQ(WritePhotoSidecar(s), bytes);
}

TEST(PhotoSidecarTest, ValuesOutsideTheirListLeaveItUnchanged) {
  const PhotoSidecar s = ReadPhotoSidecar(
      Sjis("@SIZE_TYPE=5\r\n@SIZE_BAIRITU=-2\r\n@SIZE_ICHI=-1\r\n@PICNOMI=7\r\n"));
  EXPECT_FALSE(s.hasTitle);
  EXPECT_EQ(s.fit, PhotoSidecar::kUnchanged);
  EXPECT_EQ(s.scale, PhotoSidecar::kUnchanged);
  EXPECT_EQ(s.anchor, -1);  // nothing chosen is a valid state of the list
  EXPECT_EQ(s.pictureOnly, PhotoSidecar::kUnchanged);
  EXPECT_EQ(s.text, QString());

  // Binary bytes read as text without harm.
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk.append(char((i * 37) & 0xff));
  const PhotoSidecar b = ReadPhotoSidecar(junk);
  EXPECT_EQ(b.fit, PhotoSidecar::kUnchanged);
}

TEST(PhotoSidecarTest, OnlyBitmapsPngAndJpegHaveOne) {
  const struct {
    const char* picture;
    const char* sidecar;
  } cases[] = {{"/d/旅.bmp", "/d/旅.txt"},
               {"/d/a.BMP", "/d/a.txt"},
               {"/d/a.png", "/d/a.png.ringpad"},
               {"/d/a.jpeg", "/d/a.jpeg.ringpad"},
               {"/d/a.JPG", "/d/a.JPG.ringpad"},
               {"/d/a.png.bmp", "/d/a.png.txt"},
               {"/d/a.ico", ""},
               {"/d/a", ""},
               {"/d.x/a", ""}};
  for (const auto& c : cases)
    EXPECT_EQ(PhotoSidecarPath(QString::fromUtf8(c.picture)), QString::fromUtf8(c.sidecar)) << c.picture;
}

}  // namespace
