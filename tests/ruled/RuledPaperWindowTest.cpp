// The ruled-paper window offscreen: its first load, the design choice, the
// calculators, the design list's keys and the one-point picture.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "RuledTest.h"
#include "core/platform/Clipboard.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/DietCalculators.h"
#include "ruled_photo/PictureLoader.h"
#include "ruled_photo/RuledPaperDesigns.h"
#include "ruled_photo/windows/RuledPaperWindow.h"

namespace {

class RuledPaperWindowTest : public RuledTest {
 protected:
  void TearDown() override {
    window_.reset();
    platform::SetFileDialogHandler({});
    platform::UseMemoryClipboard(false);
    RuledTest::TearDown();
  }
  RuledPaperWindow& open() {
    window_ = std::make_unique<RuledPaperWindow>();
    window_->Form_Load();
    return *window_;
  }
  // The keys of a section as "KEY=value" lines, in file order.
  QStringList sectionLines(const QString& section) {
    const QStringList all = platform::FromSjis(ReadBytes(SettingsFilePath())).split(QStringLiteral("\r\n"));
    QStringList out;
    bool inside = false;
    for (const QString& line : all) {
      if (line.startsWith(u'[')) {
        inside = line == u'[' + section + u']';
        continue;
      }
      if (inside && !line.isEmpty()) out << line;
    }
    return out;
  }
  void choose(int design) { window_->Cmb_Type->setCurrentRow(design); }
  static QStringList items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
  }
  void pressKey(int key, const QString& text = QString()) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(window_->Cmb_Type, &event);
  }
  QString writePicture(const QString& name, int width, int height, const char* format) {
    const QString path = home() + QStringLiteral("pics/") + name;
    QDir().mkpath(home() + QStringLiteral("pics"));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    EXPECT_TRUE(image.save(path, format)) << name.toStdString();
    return path;
  }
  void answerFileDialog(const QString& path) {
    platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  }

  std::unique_ptr<RuledPaperWindow> window_;
};

TEST_F(RuledPaperWindowTest, FirstOpenWritesOnlyItsDefaults) {
  RuledPaperWindow& w = open();
  EXPECT_EQ(sectionLines(QStringLiteral("DADADA")), (QStringList{"HOSUU=1", "SEIKATU=1"}));
  const QStringList program = sectionLines(ExeName);
  EXPECT_TRUE(program.contains(QStringLiteral("GENKOMEYASU=12")));
  EXPECT_TRUE(program.contains(QStringLiteral("MONOSASI=")));
  EXPECT_FALSE(program.join(u'|').contains(QStringLiteral("TODOSU")));
  EXPECT_TRUE(sectionLines(QStringLiteral("JXDAISI")).isEmpty());

  EXPECT_EQ(w.Cmb_Type->count(), kRuledDesignCount);
  EXPECT_EQ(w.Cmb_Type->currentRow(), 0);
  EXPECT_TRUE(w.Frame1[0]->isVisibleTo(&w));
  EXPECT_EQ(w.cmb_image_iti->currentText(), QStringLiteral("右下"));
  EXPECT_EQ(w.Cmb_Size->currentText(), QStringLiteral("3mm間隔"));
  EXPECT_EQ(w.Cmb_Size->itemText(10), QStringLiteral("15mm間隔"));
  EXPECT_EQ(w.Cmb_GyouKanakaku->count(), 13);
  EXPECT_EQ(w.Cmb_GyouKanakaku->currentText(), QStringLiteral("6.5mm間隔"));
  EXPECT_EQ(w.Cmb_kenko->count(), 4);
  EXPECT_EQ(w.txt_kenko_yyyymmdd->text(), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
  EXPECT_TRUE(w.chk_kenko_hosuu->isChecked());
  EXPECT_TRUE(w.chk_kenko_seikatu->isChecked());
  EXPECT_FALSE(w.Chk_kenko_kusuri->isChecked());
  EXPECT_EQ(w.txt_genko_meyasu->text(), QStringLiteral("12"));
  EXPECT_EQ(w.Txt_KmkSu->text(), QStringLiteral("20"));
  EXPECT_EQ(w.Cmb_jikan->currentText(), QStringLiteral("時間目盛付 8-20"));
  EXPECT_EQ(w.cmb_kosi->count(), 5);
  EXPECT_EQ(w.lbl_kosi_kadai->text(), QStringLiteral("質問"));
  EXPECT_EQ(w.OnePointImagePath, DataFolder);
}

TEST_F(RuledPaperWindowTest, StoredValuesAndGarbage) {
  const QString huge(300, u'9');
  const struct {
    QString value;
    const char* todoItems;
    bool switchOn;
  } cases[] = {{QStringLiteral("25"), "25", false}, {QStringLiteral("1"), "20", true},
               {QStringLiteral("abc"), "20", false}, {QStringLiteral("-5"), "20", false}, {huge, "20", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value.left(10).toStdString());
    for (const char* key : {"TODOSU", "GENKOMEYASU", "MONOSASI"}) WriteIniValue(ExeName, QString::fromLatin1(key), c.value);
    WriteIniValue(QStringLiteral("DADADA"), QStringLiteral("KUSURI"), c.value);
    WriteIniValue(QStringLiteral("DADADA"), QStringLiteral("HOSUU"), c.value);
    RuledPaperWindow& w = open();
    EXPECT_EQ(w.Txt_KmkSu->text(), QString::fromLatin1(c.todoItems));
    EXPECT_EQ(w.Chk_kenko_kusuri->isChecked(), c.switchOn);
    EXPECT_EQ(w.chk_kenko_hosuu->isChecked(), c.switchOn);
    EXPECT_EQ(w.Txt_monosasi->text(), c.value.left(254));
    EXPECT_EQ(w.Cmb_Type->currentRow(), 0);
  }
}

TEST_F(RuledPaperWindowTest, HandlersWriteTheirKeys) {
  RuledPaperWindow& w = open();
  w.Chk_kenko_ketuatu->setChecked(true);
  w.chk_kenko_hosuu->setChecked(false);
  w.txt_genko_meyasu->setText(QStringLiteral("15"));
  w.Txt_monosasi->setText(QStringLiteral("-3"));
  EXPECT_EQ(GetIniValue(QStringLiteral("DADADA"), QStringLiteral("KETUATU")), QStringLiteral("1"));
  EXPECT_EQ(GetIniValue(QStringLiteral("DADADA"), QStringLiteral("HOSUU")), QStringLiteral("0"));
  EXPECT_EQ(GetIniValue(ExeName, QStringLiteral("GENKOMEYASU")), QStringLiteral("15"));
  EXPECT_EQ(GetIniValue(ExeName, QStringLiteral("MONOSASI")), QStringLiteral("-3"));
}

TEST_F(RuledPaperWindowTest, DesignChoiceSetsSidesTitleAndDateBox) {
  const QStringList sides{"表", "裏", "A4両面", "A4片面"};
  const struct {
    int design;
    bool fourFold;
    QStringList sides;
    int selected;
    const char* title;
    bool dateBox;
  } cases[] = {
      {kDesignGraph, false, sides, 0, "", true},
      {kDesignDot, false, sides, 0, "", true},
      {kDesignRuled, false, sides, 0, "", true},
      {kDesignBlank, false, sides, 3, "", false},
      {kDesignManuscript, false, sides, 3, "", false},
      {kDesignRuler, false, sides, 0, "物差し", false},
      {kDesignHealth, false, sides + QStringList{"２つ折り用紙"}, 4, "", false},
      {kDesignShopList, false, sides + QStringList{"２つ折り用紙"}, 4, "", false},
      {kDesignGo, false, sides, 0, "", false},
      {kDesignHealth, true, {"超整理型", "２つ折り用紙"}, 0, "", false},
      {kDesignBlank, true, {"超整理型"}, 0, "", false},
      {kDesignRuler, true, {"超整理型"}, 0, "物差し", false},
  };
  RuledPaperWindow& w = open();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.design) + (c.fourFold ? " four-fold" : ""));
    PaperSettings.SuperOrganiserMode = c.fourFold ? 1 : 0;
    w.Txt_Title->setText(QStringLiteral("前の題"));
    choose(kDesignKanji);
    EXPECT_TRUE(w.Txt_Title->text().isEmpty());
    choose(c.design);
    EXPECT_EQ(items(w.Cmb_men), c.sides);
    EXPECT_EQ(w.Cmb_men->currentIndex(), c.selected);
    EXPECT_EQ(w.Txt_Title->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(w.chk_hizuke->isVisibleTo(&w), c.dateBox);
    int shown = 0;
    for (QGroupBox* f : w.Frame1) shown += f->isVisibleTo(&w);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(w.Frame1[RuledDesignFrame(c.design)]->isVisibleTo(&w));
    EXPECT_EQ(w.DesignApplying, 0);
  }
}

TEST_F(RuledPaperWindowTest, LatticeKindLabels) {
  RuledPaperWindow& w = open();
  const char* labels[] = {"質問", "質問", "メリット", "メリット", "検討課題(格子の中心に)"};
  for (int i : {4, 2, 3, 0, 1}) {
    w.cmb_kosi->setCurrentIndex(i);
    EXPECT_EQ(w.lbl_kosi_kadai->text(), QString::fromUtf8(labels[i]));
  }
}

TEST_F(RuledPaperWindowTest, Calculators) {
  const struct {
    const char* height;
    const char* weight;
  } weights[] = {{"149.9", "49.9"}, {"150", "50."}, {"159", "53.6"}, {"160", "54."},
                 {"170", "63."},    {"99", ""},     {"abc", ""},     {"", ""}};
  for (const auto& c : weights)
    EXPECT_EQ(StandardWeightText(QString::fromLatin1(c.height)), QString::fromLatin1(c.weight)) << c.height;
  EXPECT_EQ(ObesityDegreeText(QStringLiteral("160"), QStringLiteral("51.2")), QStringLiteral("-9.1"));
  EXPECT_EQ(ObesityDegreeText(QStringLiteral("99"), QStringLiteral("51.2")), QString());

  RuledPaperWindow& w = open();
  w.Txt_sincyo->setText(QStringLiteral("160"));
  EXPECT_EQ(w.Lbl_taiju->text(), QStringLiteral("54."));
  EXPECT_EQ(w.lbl_himan->text(), QStringLiteral("00.0"));  // only the weight recomputes it
  w.txt_taijyu->setText(QStringLiteral("51.2"));
  EXPECT_EQ(w.lbl_himan->text(), QStringLiteral("-9.1"));
}

TEST_F(RuledPaperWindowTest, DesignListIgnoresTypingButFollowsArrows) {
  RuledPaperWindow& w = open();
  choose(kDesignGraph);
  pressKey(Qt::Key_D, QStringLiteral("d"));
  pressKey(Qt::Key_T, QStringLiteral("T"));
  pressKey(Qt::Key_Delete);
  EXPECT_EQ(w.Cmb_Type->currentRow(), kDesignGraph);
  pressKey(Qt::Key_Down);
  EXPECT_EQ(w.Cmb_Type->currentRow(), kDesignDot);
  EXPECT_TRUE(w.chk_hizuke->isVisibleTo(&w));
}

TEST_F(RuledPaperWindowTest, PictureFromTheOpenDialog) {
  RuledPaperWindow& w = open();
  const QString bmp = writePicture(QStringLiteral("mark.bmp"), 32, 24, "BMP");
  writePicture(QStringLiteral("other.png"), 20, 20, "PNG");
  writePicture(QStringLiteral("icon.ico"), 16, 16, "ICO");
  w.cmb_image_iti->setCurrentIndex(1);
  std::optional<platform::FileDialogRequest> asked;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest& r) {
    asked = r;
    return std::optional<QString>(bmp);
  });
  w.Cmd_FileRead->click();
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->title, QStringLiteral("画像ファイル読込"));
  EXPECT_TRUE(asked->fileName.isEmpty());
  EXPECT_EQ(w.OnePointPicture.size(), QSize(32, 24));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1")), bmp);
  EXPECT_EQ(GetIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1_ICHI")), QStringLiteral("1"));
  QStringList listed;
  for (int i = 0; i < w.File1->count(); ++i) listed << w.File1->item(i)->text();
  EXPECT_EQ(listed, (QStringList{"icon.ico", "mark.bmp", "other.png"}));
  // top-right corner of the mock-up
  EXPECT_EQ(w.Picture1->x() + w.Picture1->width(), w.Shape3->width() - 7);
  EXPECT_EQ(w.Picture1->y(), 7);

  // The list shows the folder of the file read; a double click loads from it.
  for (const char* name : {"other.png", "icon.ico"}) {
    w.File1->setCurrentItem(w.File1->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0));
    emit w.File1->itemDoubleClicked(w.File1->currentItem());
    EXPECT_EQ(w.OnePointPicture.width(), name[0] == 'o' ? 20 : 16) << name;
  }
  EXPECT_EQ(GetIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1")), bmp);
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(RuledPaperWindowTest, FilesThatAreNoPicturesKeepThePreviousOne) {
  RuledPaperWindow& w = open();
  const QString good = writePicture(QStringLiteral("good.bmp"), 30, 30, "BMP");
  answerFileDialog(good);
  w.Cmd_FileRead->click();
  ASSERT_EQ(w.OnePointPicture.width(), 30);

  // Not a picture, cut short, and a header that claims 20,000 x 20,000 pixels.
  const QString text = home() + QStringLiteral("pics/text.png");
  WriteBytes(text, QByteArray("just some text"));
  const QString cut = writePicture(QStringLiteral("cut.png"), 64, 64, "PNG");
  WriteBytes(cut, ReadBytes(cut).left(60));
  const QString huge = writePicture(QStringLiteral("huge.png"), 8, 8, "PNG");
  QByteArray bytes = ReadBytes(huge);
  // Width and height of the header chunk, and its check sum over type and data.
  const QByteArray size = QByteArray::fromHex("00004e2000004e20");
  bytes.replace(16, 8, size);
  const quint32 crc = [](const QByteArray& data) {
    quint32 c = 0xFFFFFFFF;
    for (char ch : data) {
      c ^= quint8(ch);
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
  }(bytes.mid(12, 17));
  for (int i = 0; i < 4; ++i) bytes[29 + i] = char(crc >> (24 - 8 * i));
  WriteBytes(huge, bytes);

  const struct {
    QString path, message;
  } cases[] = {
      {text, QStringLiteral("画像ファイル「text.png」を読み込めませんでした。")},
      {cut, QStringLiteral("画像ファイル「cut.png」は途中で切れているか壊れているため、読み込めませんでした。")},
      {huge, QStringLiteral("画像ファイル「huge.png」は大きすぎるため読み込めません（20000×20000ピクセル、1億画素まで）。")},
  };
  for (const auto& [path, message] : cases) {
    SCOPED_TRACE(path.toStdString());
    messages().clear();
    answerFileDialog(path);
    w.Cmd_FileRead->click();
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_EQ(messages().texts()[0], message);
    EXPECT_EQ(w.OnePointPicture.width(), 30);
    EXPECT_EQ(GetIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1")), good);
  }
  EXPECT_TRUE(LoadPicture(huge).isNull());
}

TEST_F(RuledPaperWindowTest, MissingFilesAndTheClipboard) {
  RuledPaperWindow& w = open();
  const QString gone = writePicture(QStringLiteral("gone.bmp"), 12, 12, "BMP");
  answerFileDialog(gone);
  w.Cmd_FileRead->click();
  QFile::remove(gone);
  messages().clear();
  w.File1->setCurrentRow(0);
  emit w.File1->itemDoubleClicked(w.File1->currentItem());
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("次のファイルが見つかりませんでした\ngone.bmp")});

  // A cancelled dialog or a name that does not exist changes nothing, silently.
  messages().clear();
  answerFileDialog(home() + QStringLiteral("pics/nothing.bmp"));
  w.Cmd_FileRead->click();
  EXPECT_EQ(w.OnePointImagePath, gone);
  EXPECT_TRUE(messages().shown().empty());

  platform::UseMemoryClipboard(true);
  w.Cmd_GetClip->click();
  EXPECT_EQ(w.OnePointPicture.width(), 12);
  QImage pasted(40, 10, QImage::Format_RGB32);
  pasted.fill(Qt::red);
  platform::ClipboardSetImage(pasted);
  w.Cmd_GetClip->click();
  EXPECT_EQ(w.OnePointPicture.size(), QSize(40, 10));
  EXPECT_EQ(GetIniValue(QStringLiteral("JXDAISI"), QStringLiteral("ICON1")), gone);
}

}  // namespace
