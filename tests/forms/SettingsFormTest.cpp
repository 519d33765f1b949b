// The settings form "用紙サイズ設定" driven offscreen: loading, choosing sizes,
// saving into the settings file, closing without saving, and damaged files.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "FormsTestSupport.h"
#include "core/platform/Codec.h"
#include "core/ui/SettingsForm.h"
#include "core/ui/ShowSettingsForm.h"
#include "core/ui/SettingsFormLists.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/StoredValueCombo.h"
#include "core/ui/Twips.h"

namespace {

const QString kProgram;  // the program section
const QString kBible = QStringLiteral("SIZE_BIBLE");

class SettingsFormTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    WriteDefaultSettings();
  }
  void TearDown() override {
    SetSettingsFormHandler({});
    FormsTest::TearDown();
  }
  // The settings in force as start-up leaves them.
  void loadStored() {
    PaperSettings.PaperIndex = static_cast<int16_t>(get(kProgram, "YOUSI").toInt());
    LoadPaperSettings(PaperSettings.PaperIndex);
    ImeKana = static_cast<int16_t>(get(kProgram, "IMEKANA").toInt());
  }
  std::unique_ptr<SettingsForm> openForm() {
    loadStored();
    auto form = std::make_unique<SettingsForm>();
    form->Form_Activate();
    return form;
  }
};

TEST_F(SettingsFormTest, OpensWithTheStoredSettings) {
  set(kProgram, "YOUSI", QStringLiteral("6"));
  auto form = openForm();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("用紙サイズ設定"));
  ASSERT_EQ(form->Cmb_Yousi->count(), 25);
  EXPECT_EQ(form->Cmb_Yousi->item(0)->text(), QStringLiteral("バイブル   6穴(約17cm×9cm)"));
  EXPECT_EQ(form->Cmb_Yousi->item(7)->text(), QStringLiteral("Ａ６     "));
  EXPECT_EQ(form->Cmb_Yousi->currentRow(), 6);
  EXPECT_EQ(form->Txt_x->text(), QStringLiteral("12"));
  EXPECT_EQ(form->txt_x_max->text(), QStringLiteral("140"));
  EXPECT_EQ(form->Txt_y_head->text(), QStringLiteral("10"));
  EXPECT_EQ(form->Txt_y_data->text(), QStringLiteral("17"));
  EXPECT_EQ(form->Txt_Yohaku->text(), QStringLiteral("3"));
  EXPECT_EQ(form->Cmb_Font[1]->currentText(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(form->Cmb_Font[2]->currentText(), QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(form->Cmb_Font[3]->currentText(), QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(form->Cmb_size[1]->currentText(), QStringLiteral("18"));
  EXPECT_EQ(form->Cmb_size[2]->currentText(), QStringLiteral(" 9"));
  EXPECT_EQ(form->Cmb_size[3]->currentText(), QStringLiteral("10"));
  for (QComboBox* c : form->Cmb_Color) {
    EXPECT_EQ(c->count(), 21);
    EXPECT_EQ(c->currentIndex(), 0);
  }
  EXPECT_EQ(form->Cmb_Color[0]->itemText(20), QStringLiteral("ﾊﾟｽﾃﾙ"));
  EXPECT_EQ(form->Cmb_Color_amikake->currentText(), QStringLiteral("灰"));
  EXPECT_EQ(form->Cmb_Color_amikake->count(), 6);
  EXPECT_EQ(form->Cmb_daisi_Color->currentText(), QStringLiteral("黄")) << "no backing colour stored yet";
  EXPECT_EQ(form->Cmb_TitleType->count(), 11);
  EXPECT_EQ(form->Cmb_TitleType->currentIndex(), 1);
  EXPECT_EQ(form->Cmb_linetype->currentText(), QStringLiteral("標準"));
  EXPECT_EQ(form->cmb_daisi->currentText(), QStringLiteral("柄なし"));
  EXPECT_TRUE(form->chk_anaake->isChecked());
  EXPECT_FALSE(form->Chk_foot_Down->isChecked());
  EXPECT_TRUE(form->Chk_kiritori_color->isChecked());
  EXPECT_TRUE(form->chk_hakusi->isChecked());
  EXPECT_FALSE(form->Chk_imekana->isChecked());
  EXPECT_EQ(form->Lbl_Data->palette().color(QPalette::Window), QColor(0xEE, 0xEE, 0xEE));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(SettingsFormTest, ChoosingASizeLoadsItAtOnceAndShowsItsAdvice) {
  struct Row { int index; int width; const char* firstAdviceLine; };
  const Row rows[] = {
      {6, 140, "Ａ５システム手帳サイズでＡ４用紙に印刷するときは、"},
      {7, 95, nullptr},
      {9, 120, "Ｂ６システム手帳サイズでＢ５用紙に印刷するときは、"},
      {13, 75, "付箋紙をＡ４用紙の左上の端に貼り付けて印刷してください。"},
      {15, 72, "プリンターの設定をＡ４横にしてお使いください。"},
      {16, 72, "プリンターの設定をＡ４横にしてお使いください。"},
      {0, 88, nullptr},
  };
  auto form = openForm();
  for (const Row& r : rows) {
    messages().clear();
    form->Cmb_Yousi->setCurrentRow(r.index);
    EXPECT_EQ(PaperSettings.PageWidth, r.width) << r.index;
    EXPECT_EQ(form->txt_x_max->text(), QString::number(r.width)) << r.index;
    EXPECT_EQ(PaperSettings.PaperIndex, 0) << "the saved size stays named until saving";
    if (!r.firstAdviceLine) {
      EXPECT_TRUE(messages().shown().empty()) << r.index;
      continue;
    }
    ASSERT_EQ(messages().shown().size(), 1u) << r.index;
    EXPECT_TRUE(messages().shown()[0].text.startsWith(QString::fromUtf8(r.firstAdviceLine)));
    EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Exclamation);
  }
  EXPECT_EQ(PaperSizeAdvice(6),
            QStringLiteral("Ａ５システム手帳サイズでＡ４用紙に印刷するときは、\r\nプリンターの設定をＡ４横にしてお使いください。\r\n\r\n"
                           "但し、用紙の下端３ｍｍまで印刷できないプリンターは、\r\nＡ４横にＡ５サイズを２枚同時に印刷すると、裏面がずれます。\r\n"
                           "Ａ４用紙を２枚に切ってＡ５サイズにして使ってください。"));
}

TEST_F(SettingsFormTest, SaveStoresEveryControlAndTheReopenedFormShowsIt) {
  auto form = openForm();
  form->Cmb_Yousi->setCurrentRow(12);  // Letter
  form->Txt_x->setText(QStringLiteral("12.5"));
  form->txt_x_max->setText(QStringLiteral("13.5mm"));
  form->Txt_y_head->setText(QStringLiteral("abc"));
  form->Txt_y_data->setText(QStringLiteral("24"));
  form->Txt_Yohaku->setText(QStringLiteral("5"));
  form->Cmb_Font[2]->setCurrentIndex(3);
  form->Cmb_size[2]->setCurrentText(QStringLiteral("13.5"));
  form->Cmb_size[3]->setCurrentIndex(0);
  form->Cmb_Color[0]->setCurrentIndex(4);
  form->Cmb_Color[1]->setCurrentIndex(15);
  form->Cmb_Color[4]->setCurrentIndex(19);
  form->Cmb_TitleType->setCurrentIndex(3);
  form->Cmb_linetype->setCurrentIndex(2);
  form->Cmb_Color_amikake->setCurrentIndex(3);
  form->cmb_daisi->setCurrentIndex(2);
  form->Cmb_daisi_Color->setCurrentIndex(4);
  form->Chk_foot_Down->setChecked(true);
  form->Chk_kiritori_color->setChecked(false);
  form->chk_anaake->setChecked(false);
  form->chk_hakusi->setChecked(false);
  form->Chk_imekana->setChecked(true);
  EXPECT_EQ(form->Lbl_Data->palette().color(QPalette::Window), QColor(0xEE, 0xFF, 0xEE));
  EXPECT_EQ(form->Lbl_Head->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  form->Cmd_settei->click();
  EXPECT_EQ(form->result(), QDialog::Accepted);

  const QString letter = QStringLiteral("SIZE_LETTER");
  struct Key { QString section; const char* key; const char* value; };
  const Key keys[] = {
      {kProgram, "YOUSI", "12"},        {kProgram, "YOHAKU", "5"},
      {kProgram, "LINE_COLOR", "4"},    {kProgram, "HEAD_COLOR", "15"},
      {kProgram, "DATA_COLOR", "0"},    {kProgram, "HEAD_LINE_COLOR", "19"},
      {kProgram, "KAZARI", "3"},        {kProgram, "TENSEN", "2"},
      {kProgram, "AMIKAKE_COLOR", "&HEEFFEE"}, {kProgram, "DAISI", "2"},
      {kProgram, "DAISI_COLOR", "&HFFEEDD"},   {kProgram, "FOOT_DOWN", "4"},
      {kProgram, "KIRITORI_COLOR", "&H0"},     {kProgram, "ANAAKE", "0"},
      {kProgram, "HAKUSI", "0"},        {kProgram, "IMEKANA", "1"},
      {letter, "LEFT", "12"},           {letter, "WIDTH", "14"},
      {letter, "HEAD_HEIGHT", "0"},     {letter, "DATA_HEIGHT", "24"},
      {letter, "FOOT_HEIGHT", "250"},   {letter, "HEAD_FONTSIZE", "15"},
      {letter, "DATA_FONTNAME", "ＭＳ Ｐ明朝"}, {letter, "DATA_FONTSIZE", "13.5"},
      {letter, "DEFAULT_FONTSIZE", "4"}, {letter, "HEIGHT", "260"},
  };
  for (const Key& k : keys)
    EXPECT_EQ(get(k.section, k.key), QString::fromUtf8(k.value)) << k.key;
  EXPECT_EQ(get(kBible, "WIDTH"), QStringLiteral("88")) << "other sizes untouched";

  // The settings in force follow what was saved, the margin included.
  EXPECT_EQ(PaperSettings.PaperIndex, 12);
  EXPECT_EQ(PaperSettings.FootHeightStored, 250);
  EXPECT_EQ(PaperSettings.FootHeight, 254);
  EXPECT_EQ(PaperSettings.PageHeight, 255);
  EXPECT_EQ(PaperSettings.SheetPageX[2], 74);  // w = 67.75 with a margin of 5
  EXPECT_EQ(ImeKana, 1);

  auto again = openForm();
  EXPECT_EQ(again->Cmb_Yousi->currentRow(), 12);
  EXPECT_EQ(again->Txt_x->text(), QStringLiteral("12"));
  EXPECT_EQ(again->Txt_Yohaku->text(), QStringLiteral("5"));
  EXPECT_EQ(again->Cmb_Font[2]->currentIndex(), 3);
  EXPECT_EQ(again->Cmb_size[1]->currentText(), QStringLiteral("15"));
  EXPECT_EQ(again->Cmb_size[2]->currentText(), QStringLiteral("13.5"));
  EXPECT_EQ(again->Cmb_Color[4]->currentIndex(), 19);
  EXPECT_EQ(again->Cmb_TitleType->currentIndex(), 3);
  EXPECT_EQ(again->Cmb_linetype->currentIndex(), 2);
  EXPECT_EQ(again->Cmb_Color_amikake->currentText(), QStringLiteral("緑"));
  EXPECT_EQ(again->Cmb_daisi_Color->currentText(), QStringLiteral("青"));
  EXPECT_EQ(again->cmb_daisi->currentIndex(), 2);
  EXPECT_TRUE(again->Chk_foot_Down->isChecked());
  EXPECT_FALSE(again->Chk_kiritori_color->isChecked());
  EXPECT_TRUE(again->Chk_imekana->isChecked());

  // Ticking the light cut line stores 666666 hexadecimal; the shift's sign
  // follows the box.
  again->Chk_kiritori_color->setChecked(true);
  again->Chk_foot_Down->setChecked(false);
  again->Cmd_settei->click();
  EXPECT_EQ(get(kProgram, "KIRITORI_COLOR"), QStringLiteral("&H666666"));
  EXPECT_EQ(get(kProgram, "FOOT_DOWN"), QStringLiteral("-4"));
  EXPECT_EQ(PaperSettings.FootHeight, 250);
}

TEST_F(SettingsFormTest, AMeasurementBeyondSixteenBitsIsRefusedAndNothingIsSaved) {
  auto form = openForm();
  const QByteArray before = settingsBytes();
  form->txt_x_max->setText(QStringLiteral("40000"));
  form->Cmd_settei->click();
  EXPECT_EQ(settingsBytes(), before);
  EXPECT_NE(form->result(), QDialog::Accepted);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("用紙幅")));
  EXPECT_EQ(MeasurementFromText(QStringLiteral("-32768.4")), std::optional<int16_t>(-32768));
  EXPECT_EQ(MeasurementFromText(QStringLiteral("32767.5")), std::nullopt);
}

TEST_F(SettingsFormTest, StoredValuesTheListsLackAreShownAndKept) {
  set(kProgram, "AMIKAKE_COLOR", QStringLiteral("&H123456"));
  set(kProgram, "DAISI_COLOR", QStringLiteral("&H654321"));
  set(kProgram, "LINE_COLOR", QStringLiteral("25"));
  set(kProgram, "KAZARI", QStringLiteral("20"));
  set(kProgram, "TENSEN", QStringLiteral("9"));
  set(kBible, "HEAD_FONTSIZE", QStringLiteral("15"));
  set(kBible, "DATA_FONTSIZE", QStringLiteral("10.5"));
  set(kBible, "HEAD_FONTNAME", QStringLiteral("メイリオ"));
  auto form = openForm();
  EXPECT_EQ(form->Cmb_Color_amikake->currentText(), QStringLiteral("指定"));
  EXPECT_EQ(form->Cmb_Color_amikake->count(), 7);
  EXPECT_EQ(form->Cmb_daisi_Color->currentText(), QStringLiteral("指定"));
  EXPECT_EQ(form->Cmb_Color[0]->currentText(), QStringLiteral("指定"));
  EXPECT_EQ(form->Cmb_size[1]->currentText(), QStringLiteral("15"));
  EXPECT_EQ(form->Cmb_size[2]->currentText(), QStringLiteral("10.5"));
  EXPECT_EQ(form->Cmb_Font[1]->currentText(), QStringLiteral("メイリオ"));
  EXPECT_TRUE(messages().shown().empty());

  // Switching sizes drops the extra entries the new size does not need.
  form->Cmb_Yousi->setCurrentRow(7);
  EXPECT_EQ(form->Cmb_size[1]->currentText(), QStringLiteral("12"));
  EXPECT_EQ(form->Cmb_size[1]->count(), 18);
  EXPECT_EQ(form->Cmb_Font[1]->currentText(), QStringLiteral("ＭＳ ゴシック"));
  form->Cmb_Yousi->setCurrentRow(0);
  EXPECT_EQ(form->Cmb_size[1]->currentText(), QStringLiteral("15"));

  form->Cmd_settei->click();
  EXPECT_EQ(get(kProgram, "AMIKAKE_COLOR"), QStringLiteral("&H123456"));
  EXPECT_EQ(get(kProgram, "DAISI_COLOR"), QStringLiteral("&H654321"));
  EXPECT_EQ(get(kProgram, "LINE_COLOR"), QStringLiteral("25"));
  EXPECT_EQ(get(kProgram, "KAZARI"), QStringLiteral("20"));
  EXPECT_EQ(get(kProgram, "TENSEN"), QStringLiteral("9"));
  EXPECT_EQ(get(kBible, "HEAD_FONTSIZE"), QStringLiteral("15"));
  EXPECT_EQ(get(kBible, "DATA_FONTSIZE"), QStringLiteral("10.5"));
  EXPECT_EQ(get(kBible, "HEAD_FONTNAME"), QStringLiteral("メイリオ"));
}

TEST_F(SettingsFormTest, ABackingPatternBeyondTheListBecomesNone) {
  set(kProgram, "DAISI", QStringLiteral("9"));
  auto form = openForm();
  EXPECT_EQ(form->cmb_daisi->currentText(), QStringLiteral("柄なし"));
  EXPECT_EQ(PaperSettings.BackingSheetStyle, 0);
  form->Cmd_settei->click();
  EXPECT_EQ(get(kProgram, "DAISI"), QStringLiteral("0"));
  EXPECT_EQ(get(kProgram, "DAISI_COLOR"), QStringLiteral("&HDDFFFF")) << "the colour shown, 黄";
}

TEST_F(SettingsFormTest, FontChoicesWarnPastThePreferredFonts) {
  auto form = openForm();
  QComboBox* fonts = form->Cmb_Font[1];
  ASSERT_GT(fonts->count(), 5) << "some installed font";
  fonts->setCurrentIndex(4);  // the separator
  EXPECT_EQ(fonts->currentIndex(), 0);
  EXPECT_TRUE(messages().shown().empty());

  fonts->setCurrentIndex(5);
  EXPECT_EQ(fonts->currentIndex(), 5) << "the choice stands";
  EXPECT_EQ(messages().texts(),
            QStringList{QStringLiteral("日本語ツゥルータイプフォント以外では、正しく印刷されない事があります。")});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Question);
  const QString chosen = fonts->currentText();
  form->Cmd_settei->click();
  EXPECT_EQ(get(kBible, "HEAD_FONTNAME"), chosen);
}

TEST_F(SettingsFormTest, TheSizeListTakesNoTyping) {
  auto form = openForm();
  for (int key : {int(Qt::Key_A), int(Qt::Key_Delete), int(Qt::Key_1)}) {
    const QString text = key == Qt::Key_Delete ? QString() : QString(QChar(key)).toLower();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(form->Cmb_Yousi, &press);
  }
  EXPECT_EQ(form->Cmb_Yousi->currentRow(), 0);
  EXPECT_TRUE(messages().shown().empty());
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QCoreApplication::sendEvent(form->Cmb_Yousi, &down);
  EXPECT_EQ(form->Cmb_Yousi->currentRow(), 1) << "moving through the list still chooses";
  EXPECT_EQ(PaperSettings.PageWidth, 80);
}

TEST_F(SettingsFormTest, ClosingByTheFrameWritesNothingAndRestoresTheSettingsInForce) {
  loadStored();
  PaperSettings.PrintMargin = 4;  // the printer's own offset, replaced at start-up
  const QByteArray before = settingsBytes();
  {
    SettingsForm form;
    form.show();
    form.Cmb_Yousi->setCurrentRow(6);
    form.Chk_imekana->setChecked(true);
    EXPECT_EQ(PaperSettings.PageWidth, 140);
    form.close();
  }
  EXPECT_EQ(settingsBytes(), before);
  EXPECT_EQ(PaperSettings.PaperIndex, 0);
  EXPECT_EQ(PaperSettings.PageWidth, 88) << "the geometry of the size PaperIndex names";
  EXPECT_EQ(PaperSettings.PrintMargin, 4);
  EXPECT_EQ(ImeKana, 0);
}

TEST_F(SettingsFormTest, DamagedSettingsOpenTheFormAndKeepTheirValues) {
  // Fonts this system lacks, font sizes out of range and a size index
  // outside the list.
  set(kProgram, "YOUSI", QStringLiteral("99"));
  set(kBible, "HEAD_FONTNAME", QStringLiteral("存在しないフォント"));
  set(kBible, "DATA_FONTSIZE", QStringLiteral("1000"));
  set(kBible, "DEFAULT_FONTSIZE", QStringLiteral("-3"));
  {
    auto form = openForm();
    EXPECT_EQ(form->Cmb_Yousi->currentRow(), -1);
    const QByteArray before = settingsBytes();
    form->close();
    EXPECT_EQ(settingsBytes(), before);
  }
  // Saving with no size chosen stores size 0 with what the file holds for it.
  auto form = openForm();
  form->Cmd_settei->click();
  EXPECT_EQ(get(kProgram, "YOUSI"), QStringLiteral("0"));
  EXPECT_EQ(get(kBible, "WIDTH"), QStringLiteral("88"));
  EXPECT_EQ(get(kBible, "HEAD_FONTNAME"), QStringLiteral("存在しないフォント"));
  EXPECT_EQ(get(kBible, "DATA_FONTSIZE"), QStringLiteral("1000"));
  EXPECT_EQ(PaperSettings.PaperIndex, 0);
}

TEST_F(SettingsFormTest, AMissingSizeSectionOpensWithZeros) {
  WriteBytes(SettingsFilePath(), platform::ToSjis(QStringLiteral("[ringpad]\r\nYOUSI=3\r\nYOHAKU=3\r\nFOOT_DOWN=-4\r\n")));
  auto form = openForm();
  EXPECT_EQ(form->Cmb_Yousi->currentRow(), 3);
  EXPECT_EQ(form->txt_x_max->text(), QStringLiteral("0"));
  EXPECT_EQ(form->Cmb_Font[1]->currentIndex(), 0);
  EXPECT_EQ(form->Cmb_size[1]->currentIndex(), 0);
  form->Cmd_settei->click();
  EXPECT_EQ(get(QStringLiteral("SIZE_NARROW"), "WIDTH"), QStringLiteral("0"));
  EXPECT_EQ(get(kProgram, "YOHAKU"), QStringLiteral("3"));
}

TEST_F(SettingsFormTest, TheMainWindowOpensTheFormThroughItsSeam) {
  loadStored();
  SetSettingsFormHandler([](SettingsForm& form) {
    EXPECT_TRUE(form.chk_anaake->isChecked()) << "activated before the handler runs";
    form.Cmb_Color[0]->setCurrentIndex(2);
    form.Cmd_settei->click();
  });
  ShowSettingsForm(nullptr);
  EXPECT_EQ(get(kProgram, "LINE_COLOR"), QStringLiteral("2"));

  const QByteArray before = settingsBytes();
  SetSettingsFormHandler([](SettingsForm& form) { form.Cmb_Yousi->setCurrentRow(6); });
  ShowSettingsForm(nullptr);
  EXPECT_EQ(settingsBytes(), before);
  EXPECT_EQ(PaperSettings.PageWidth, 88);
}

}  // namespace

namespace {

TEST_F(SettingsFormTest, TheFormCoversTheMainWindowInsideTheScreen) {
  const QRect screen(0, 0, 1366, 768);
  SetScreenAreaOverride(screen);
  loadStored();
  QWidget main;
  struct Case {
    QRect mainWindow;
    bool overTheMainWindow;  // fits as it is: covers the window, 200 twips taller
  };
  const Case cases[] = {
      {QRect(100, 50, 1000, 500), true},
      {QRect(1200, 700, 900, 500), false},  // partly off the screen
      {QRect(0, 0, 200, 100), false},       // smaller than the form's controls
  };
  for (const Case& c : cases) {
    main.setGeometry(c.mainWindow);
    SettingsForm form(&main);
    const QRect at = form.geometry();
    EXPECT_TRUE(screen.contains(at)) << c.mainWindow.x();
    EXPECT_GE(at.width(), form.minimumSizeHint().width()) << c.mainWindow.x();
    EXPECT_GE(at.height(), form.minimumSizeHint().height()) << c.mainWindow.x();
    if (c.overTheMainWindow) {
      EXPECT_EQ(at, QRect(100, 50, 1000, 500 + TwipsToPixelsY(200)));
    }
  }
  SetScreenAreaOverride(std::nullopt);
}

}  // namespace
