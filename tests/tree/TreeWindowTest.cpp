// The tree window as a user meets it: settings at load, the samples, the
// sample list's keys, and reading and writing through the File menu.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QApplication>
#include <optional>

#include "TinyFileSystem.h"
#include "TreeTest.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintSeams.h"
#include "core/settings/DataFileRead.h"
#include "core/settings/Ini.h"

class TreeWindowTest : public TreeTest {
 protected:
  void TearDown() override {
    platform::SetFileDialogHandler({});
    TreeTest::TearDown();
  }
  void chooseFile(const QString& path) {
    platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) -> std::optional<QString> {
      if (path.isEmpty()) return std::nullopt;
      return path;
    });
  }
};

TEST_F(TreeWindowTest, LoadWritesMissingLevelColoursAndShowsTheContactChain) {
  WriteIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR01"), QStringLiteral("123456"));
  TreeWindow& w = open();
  EXPECT_EQ(GetIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR00")), QStringLiteral("0000FF"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR01")), QStringLiteral("123456"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR02")), QStringLiteral("00FF00"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR07")), QStringLiteral("000000"));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXTREE"), QStringLiteral("KAISO_COLOR20")), QStringLiteral("000000"));
  EXPECT_EQ(w.LevelColours[1], QStringLiteral("123456"));

  EXPECT_EQ(w.Cmb_Type->currentRow(), 1);
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("２年３組緊急連絡網サンプル"));
  EXPECT_EQ(w.cmb_box->currentIndex(), 1);
  EXPECT_TRUE(w.chk_lineHosome->isChecked());
  EXPECT_TRUE(w.ItemText().endsWith(QStringLiteral("\r\n")));
  EXPECT_EQ(w.RemarkText(), QStringLiteral("連絡が取れないときは、飛ばして次の人に連絡してください。\r\n"
                                            "数回連絡してもだめな場合は、先生に連絡ください"));
}

TEST_F(TreeWindowTest, SamplesSetTheirOptionsAndClearEmpties) {
  TreeWindow& w = open();
  w.Cmb_men->setCurrentIndex(2);
  w.Cmb_Type->setCurrentRow(2);
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("組織図サンプル"));
  EXPECT_EQ(w.cmb_box->currentIndex(), 7);
  EXPECT_TRUE(w.chk_kaisoColor->isChecked());
  EXPECT_TRUE(w.RemarkText().isEmpty());
  EXPECT_EQ(w.Cmb_men->currentIndex(), 0);
  w.Cmb_Type->setCurrentRow(3);
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("プログラム構造図サンプル"));
  EXPECT_EQ(w.cmb_box->currentIndex(), 5);
  EXPECT_FALSE(w.chk_kaisoColor->isChecked());
  w.Cmb_Type->setCurrentRow(0);
  EXPECT_TRUE(w.Txt_Title->text().isEmpty());
  EXPECT_TRUE(w.ItemText().isEmpty());
  EXPECT_EQ(w.cmb_box->currentIndex(), 5);  // options a sample does not name stay
}

TEST_F(TreeWindowTest, SampleListIgnoresDeleteAndTypedLetters) {
  TreeWindow& w = open();
  const QString items = w.ItemText();
  auto press = [&w](int key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w.Cmb_Type, &event);
  };
  press(Qt::Key_Delete, QString());
  press(Qt::Key_K, QStringLiteral("k"));
  press(Qt::Key_unknown, QStringLiteral("ク"));  // the first letter of クリア
  EXPECT_EQ(w.Cmb_Type->currentRow(), 1);
  EXPECT_EQ(w.ItemText(), items);
  press(Qt::Key_Down, QString());
  EXPECT_EQ(w.Cmb_Type->currentRow(), 2);
}

TEST_F(TreeWindowTest, WriteAsksBeforeOverwritingAndCancelKeepsTheFile) {
  TreeWindow& w = open();
  const QString path = homeFile(QStringLiteral("chart.csv"));
  WriteBytes(path, "old");
  chooseFile(path);
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_FileWrite->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("同じファイルがあります、上書きしますか？\n") + path);
  EXPECT_EQ(messages().shown()[0].defaultButton, 2);
  EXPECT_EQ(ReadBytes(path), QByteArray("old"));
  // Nothing was written: the window keeps the file it had.
  EXPECT_EQ(w.CurrentTreeFile, QString());
  // Nor does a write that fails move it (a folder in the file's place).
  const QString taken = homeFile(QStringLiteral("taken.csv"));
  WriteBytes(taken + QStringLiteral("/inside"), "old");
  chooseFile(taken);
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_FileWrite->click();
  EXPECT_EQ(w.CurrentTreeFile, QString());
  chooseFile(path);
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_FileWrite->click();
  EXPECT_EQ(w.CurrentTreeFile, path);

  // A cancelled save dialog keeps the file, so that the next one opens at it.
  platform::FileDialogRequest seen;
  platform::SetFileDialogHandler([&seen](const platform::FileDialogRequest& r) {
    seen = r;
    return std::optional<QString>();
  });
  w.Cmd_FileWrite->click();
  EXPECT_EQ(w.CurrentTreeFile, path);
  w.Cmd_FileWrite->click();
  EXPECT_EQ(seen.fileName, QStringLiteral("chart.csv"));
}

TEST_F(TreeWindowTest, AFailedWriteIsReportedAndKeepsTheOldFile) {
  TinyFileSystem disk(home() + QStringLiteral("disk"));
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
  TreeWindow& w = open();
  const QString path = disk.path(QStringLiteral("chart.csv"));
  chooseFile(path);
  w.Cmd_FileWrite->click();
  const QByteArray old = ReadBytes(path);
  ASSERT_FALSE(old.isEmpty());
  ASSERT_TRUE(disk.fill());

  w.Cmb_Type->setCurrentRow(2);  // a larger chart, to a full disk
  messages().clear();
  messages().answer(platform::MsgResult::Ok);  // overwrite
  w.Cmd_FileWrite->click();
  ASSERT_EQ(messages().shown().size(), 2u);
  const platform::MessageRequest& failure = messages().shown()[1];
  EXPECT_TRUE(failure.text.contains(path)) << failure.text.toStdString();
  EXPECT_TRUE(failure.text.contains(QStringLiteral("書き込めませんでした")));
  EXPECT_EQ(failure.icon, platform::MsgIcon::Critical);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(disk.entries(), QStringList({QStringLiteral("chart.csv"), QStringLiteral("filler")}));
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(TreeWindowTest, ReadTakesTheTitleFromThePathWhenTheFileHasNone) {
  TreeWindow& w = open();
  QDir().mkpath(home() + QStringLiteral("sub"));
  const QString path = home() + QStringLiteral("sub/plan.CSV");
  WriteBytes(path, platform::ToSjis(QStringLiteral("上\n 下\n@BIKO=メモ\n")));
  chooseFile(path);
  w.Cmd_FileRead->click();
  EXPECT_EQ(w.CurrentTreeFile, QStringLiteral("./sub/plan.CSV"));
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("./sub/plan"));
  EXPECT_EQ(w.ItemText(), QStringLiteral("上\r\n 下\r\n"));
  EXPECT_EQ(w.RemarkText(), QStringLiteral("メモ"));
  EXPECT_EQ(w.Cmb_Type->currentRow(), 0);
  EXPECT_TRUE(w.isEnabled());

  // A file that cannot be read leaves the chart as it was.
  chooseFile(home() + QStringLiteral("gone.csv"));
  w.Cmd_FileRead->click();
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("./sub/plan"));
  EXPECT_EQ(w.CurrentTreeFile, QStringLiteral("./sub/plan.CSV"));
  EXPECT_EQ(messages().shown().size(), 1u);

  // Nor does a file far larger than any chart.
  const QString big = homeFile(QStringLiteral("big.csv"));
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(kDataFileMaxBytes + 1));
  }
  chooseFile(big);
  w.Cmd_FileRead->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + big);
  EXPECT_EQ(w.ItemText(), QStringLiteral("上\r\n 下\r\n"));
  EXPECT_EQ(w.CurrentTreeFile, QStringLiteral("./sub/plan.CSV"));
}

// Reading over a chart that was not written asks first, as closing does;
// a file that is no text is refused and the chart stays as it was.
TEST_F(TreeWindowTest, ReadingOverAnUnwrittenChartAsksAndABinaryFileChangesNothing) {
  TreeWindow& w = open();
  w.Txt_Title->setText(QStringLiteral("打ち込んだ木"));
  w.SetItemText(QStringLiteral("上\r\n 下\r\n"));
  ASSERT_TRUE(w.TreeChanged());
  const QString file = w.CurrentTreeFile;
  const QString binary = homeFile(QStringLiteral("bin.csv"));
  WriteBytes(binary, QByteArray("@TITLE=x\r\n\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 26));
  chooseFile(binary);
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_FileRead->click();
  messages().answer(platform::MsgResult::No);
  w.Cmd_FileRead->click();
  ASSERT_EQ(messages().texts().size(), 3);
  for (int i : {0, 1})
    EXPECT_TRUE(messages().texts()[i].startsWith(
        QStringLiteral("「木」の内容が変更されています。\n書き出してから読み込みますか？")));
  EXPECT_EQ(messages().texts()[2],
            QStringLiteral("「") + binary + QStringLiteral("」はテキストファイルではないので、読み込めません。"));
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("打ち込んだ木"));
  EXPECT_EQ(w.ItemText(), QStringLiteral("上\r\n 下\r\n"));
  EXPECT_EQ(w.CurrentTreeFile, file);
  EXPECT_TRUE(w.TreeChanged());
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(TreeWindowTest, ANewUserSavesTheOrganisationChartReadsItBackAndPreviewsIt) {
  TreeWindow& w = open();
  w.Cmb_Type->setCurrentRow(2);
  const QString title = w.Txt_Title->text();
  const QString items = w.ItemText();
  const QString path = homeFile(QStringLiteral("org.csv"));
  chooseFile(path);
  w.Cmd_FileWrite->click();
  EXPECT_EQ(w.CurrentTreeFile, path);
  const QByteArray written = ReadBytes(path);
  EXPECT_TRUE(written.startsWith(platform::ToSjis(QStringLiteral("@TITLE=組織図サンプル\r\n@CSV=\r\n"))));

  w.Cmb_Type->setCurrentRow(0);
  EXPECT_TRUE(w.ItemText().isEmpty());
  w.Cmd_FileRead->click();
  EXPECT_EQ(w.Txt_Title->text(), title);
  EXPECT_EQ(w.ItemText(), items);
  // Writing what was read gives the same file.
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_FileWrite->click();
  EXPECT_EQ(ReadBytes(path), written);

  int pages = 0;
  SetPreviewPageHandler([&pages](const QImage&) { ++pages; });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{2, true, std::nullopt}; });
  messages().clear();
  w.Cmd_print->click();
  SetPreviewPageHandler({});
  EXPECT_GE(pages, 1);
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(TreeWindowTest, BadInputNeverCrashesOrLosesTheFile) {
  TreeWindow& w = open();
  QString huge(1 << 20, QChar(u'木'));
  const QString text = QStringLiteral("root\r\n") + QString(500, QLatin1Char(' ')) + QStringLiteral("deep\r\n") +
                       huge + QStringLiteral("\r\n") + QString::fromLatin1("\x01\x02\x7f,\"\r\n");
  w.SetItemText(text);
  QString remarks;
  for (int i = 0; i < 10000; ++i) remarks += QStringLiteral("line\r\n");
  w.SetRemarkText(remarks);
  w.chk_kaisoColor->setChecked(true);
  w.cmb_box->setCurrentIndex(6);
  w.Cmd_print->click();  // remarks are two lines at most: no refusal
  EXPECT_TRUE(w.isEnabled());

  const QString path = homeFile(QStringLiteral("bad.csv"));
  chooseFile(path);
  w.Cmd_FileWrite->click();
  w.Cmb_Type->setCurrentRow(0);
  w.Cmd_FileRead->click();
  EXPECT_EQ(w.ItemText(), text);
  EXPECT_EQ(w.RemarkText(), remarks);
}
