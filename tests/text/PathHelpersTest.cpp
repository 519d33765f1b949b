#include <gtest/gtest.h>

#include <QDir>

#include "TestEnvironment.h"
#include "core/text/PathHelpers.h"

namespace {

TEST(PathParts, TakesPathsApartAtEitherSeparator) {
  struct { const char16_t* path; const char16_t* name; const char16_t* folder; const char16_t* ext; } rows[] = {
      {u"C:\\a\\b.txt", u"b.txt", u"C:\\a\\", u"txt"},
      {u"C:/a/b.txt", u"b.txt", u"C:/a/", u"txt"},
      {u"dat\\sub/mixed.csv", u"mixed.csv", u"dat\\sub/", u"csv"},
      {u"name.txt", u"name.txt", u"", u"txt"},
      {u"C:\\pic\\photo.bmp", u"photo.bmp", u"C:\\pic\\", u"bmp"},
      {u"archive.tar.gz", u"archive.tar.gz", u"", u"gz"},
      {u"noext", u"noext", u"", u""},
      {u"C:\\a\\b\\", u"b\\", u"C:\\a\\b\\", u""},
      {u"trailing.", u"trailing.", u"", u""},
      {u"a.b.", u"a.b.", u"", u"b."},
      {u"dir.d\\file", u"file", u"dir.d\\", u""},
      {u"x. bmp ", u"x. bmp ", u"", u"bmp"},
      {u"\\", u"\\", u"\\", u""},
      {u"", u"", u"", u""},
      {u"予定\\日付.TXT", u"日付.TXT", u"予定\\", u"TXT"},
  };
  for (const auto& r : rows) {
    const QString path = QString::fromUtf16(r.path);
    EXPECT_EQ(FileNameOfPath(path), QString::fromUtf16(r.name)) << path.toStdString();
    EXPECT_EQ(FolderOfPath(path), QString::fromUtf16(r.folder)) << path.toStdString();
    EXPECT_EQ(ExtensionOfPath(path), QString::fromUtf16(r.ext)) << path.toStdString();
  }
}

class SafeDirTest : public RingpadTest {};

TEST_F(SafeDirTest, FindsOrdinaryFilesAndNeverFails) {
  WriteBytes(homeFile("diduvuv.txt"), "x");
  WriteBytes(homeFile("pic/b.BMP"), "x");
  WriteBytes(homeFile("pic/a.bmp"), "x");
  WriteBytes(homeFile("pic/.hidden.bmp"), "x");
  WriteBytes(homeFile("pic/notes.txt"), "x");
  QDir(home()).mkpath("pic/folder.bmp");

  struct { const char* path; const char* found; } rows[] = {
      {"diduvuv.txt", "diduvuv.txt"},
      {"  diduvuv.txt  ", "diduvuv.txt"},
      {"missing.txt", ""},
      {"", ""},
      {"   ", ""},
      {"nofolder\\x.txt", ""},
      {"pic\\*.BMP", "a.bmp"},
      {"pic/*.bmp", "a.bmp"},
      {"pic\\folder.bmp", ""},
      {"pic\\", ""},
      {"pic", ""},
      {"pic\\.hidden.bmp", ""},
      {"pic\\notes.txt", "notes.txt"},
      {"pic/*.*", "a.bmp"},
      {"pic/n?tes.*", "notes.txt"},
      {"nofolder/*.bmp", ""},
      {"\\\\?\\bad::name*", ""},
  };
  for (const auto& r : rows) EXPECT_EQ(SafeDir(QString::fromUtf8(r.path)), QString::fromUtf8(r.found)) << r.path;
  // Every match in listing order, for the decoration bitmaps.
  EXPECT_EQ(MatchingFiles("pic\\*.bmp"), (QStringList{"a.bmp", "b.BMP"}));
  EXPECT_EQ(SafeDir(homeFile("diduvuv.txt")), QStringLiteral("diduvuv.txt"));
}

}  // namespace
