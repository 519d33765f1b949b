#include "SettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "FormHelpers.h"
#include "ScreenArea.h"
#include "SettingsFormLists.h"
#include "StoredValueCombo.h"
#include "Twips.h"
#include "core/platform/MessageBox.h"
#include "core/print/FontMapping.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/SettingsText.h"
#include "core/text/ColorTable.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kExtraHeightTwips = 200;

QColor colourOfIndex(int32_t value) { return QColorFromRgbValue(ColorByIndex(value)); }

void setTextColour(QLabel* label, const QColor& c) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, c);
  label->setPalette(p);
}

void setFillColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, c);
  w->setPalette(p);
}

// False when the font cannot be drawn; the sample then keeps its font.
bool setSampleFont(QLabel* label, const QString& name) {
  if (!IsUsableFontName(name)) return false;
  QFont f = label->font();
  f.setFamily(MapFontFamily(name));
  label->setFont(f);
  return true;
}

void setSampleSize(QLabel* label, float points) {
  if (!(points > 0)) return;
  QFont f = label->font();
  f.setPointSizeF(points);
  label->setFont(f);
}

QString sizeEntryText(float size) {
  const QString text = SingleText(size);
  return size < 10 ? QLatin1Char(' ') + text : text;
}

}  // namespace

SettingsForm::SettingsForm(QWidget* parent) : QDialog(parent) {
  buildControls();
  connectHandlers();
  Form_Load();
}

void SettingsForm::connectHandlers() {
  connect(Cmb_Yousi, &QListWidget::currentRowChanged, this, [this] { cmb_yousi_Click(); });
  for (int i = 1; i <= 3; ++i) {
    connect(Cmb_Font[i], &QComboBox::currentIndexChanged, this, [this, i] { Cmb_Font_Click(i); });
    connect(Cmb_size[i], &QComboBox::currentIndexChanged, this, [this, i] { Cmb_size_Click(i); });
  }
  for (int i = 0; i < 5; ++i)
    connect(Cmb_Color[i], &QComboBox::currentIndexChanged, this, [this, i] { Cmb_Color_Click(i); });
  connect(Cmb_Color_amikake, &QComboBox::currentIndexChanged, this, [this] { Cmb_Color_amikake_Click(); });
  connect(Cmd_settei, &QPushButton::clicked, this, &SettingsForm::Cmd_settei_Click);
}

// Over the main window, but never smaller than its controls need nor
// beyond the screen, so that "設定内容保管" can always be reached.
void SettingsForm::placeOverMainWindow() {
  if (!parentWidget()) return;
  const QWidget* main = parentWidget()->window();
  const QSize least = minimumSizeHint().expandedTo(sizeHint());
  const QSize client(std::max(main->width(), least.width()),
                     std::max(main->height() + TwipsToPixelsY(kExtraHeightTwips), least.height()));
  // Counted with its frame, which it has not yet: on a screen of the main
  // window's height the form's title bar would push its bottom off.
  const QMargins frame = WindowFrameMargins(this);
  SetFrameGeometry(
      this,
      FramePlacement(FrameCorner(main, WindowFrameMargins(main)), client, frame, AvailableScreenArea(parentWidget())),
      frame);
}

void SettingsForm::Form_Load() {
  loading_ = true;
  openedWith_ = PaperSettings;

  for (int i = 0; i < kPaperSizeCount; ++i) Cmb_Yousi->addItem(PaperSizeListText(i));
  Cmb_Yousi->setCurrentRow(PaperSettings.PaperIndex);

  const int firstFont[4] = {0, 0, 1, 0};
  for (int i = 1; i <= 3; ++i) {
    FillFontList(Cmb_Font[i]);
    Cmb_Font[i]->setCurrentIndex(firstFont[i]);
  }
  for (int i = 1; i <= 3; ++i) {
    FillFontSizeList(Cmb_size[i], QStringLiteral("FONTSIZE"));
    Cmb_size[i]->setCurrentIndex(0);
  }
  for (QComboBox* list : Cmb_Color) list->addItems(ColourNameList());
  for (const ShadingColour& s : ShadingColourList()) Cmb_Color_amikake->addItem(s.text, s.value);
  Cmb_Color_amikake->setCurrentIndex(0);
  Cmb_TitleType->addItems(HeadingStyleList());
  Cmb_TitleType->setCurrentIndex(1);
  Cmb_linetype->addItems(RuleStyleList());
  Cmb_linetype->setCurrentIndex(0);
  cmb_daisi->addItems(BasePaperList());
  cmb_daisi->setCurrentIndex(0);
  for (int i = 0; i < Cmb_Color_amikake->count(); ++i)
    Cmb_daisi_Color->addItem(Cmb_Color_amikake->itemText(i), Cmb_Color_amikake->itemData(i));
  Cmb_daisi_Color->setCurrentIndex(1);

  LoadPlannerSettingsToForm();
  // Placed once the lists are filled, when the size its controls need is
  // known.
  placeOverMainWindow();
  loading_ = false;
}

void SettingsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) Form_Activate();
}

void SettingsForm::Form_Activate() {
  activated_ = true;
  PaperSettingsData& p = PaperSettings;
  Txt_x->setText(QString::number(p.PageLeft));
  txt_x_max->setText(QString::number(p.PageWidth));
  Txt_Yohaku->setText(QString::number(p.PrintMargin));
  Txt_y_head->setText(QString::number(p.HeadHeight));
  Txt_y_data->setText(QString::number(p.DataHeight));
  SelectPositionOrStored(Cmb_TitleType, p.TitleStyle);
  chk_anaake->setChecked(p.PunchHoles != 0);
  Chk_foot_Down->setChecked(p.FootDownOn != 0);
  if (p.BackingSheetStyle > cmb_daisi->count() - 1 || p.BackingSheetStyle < 0) p.BackingSheetStyle = 0;
  cmb_daisi->setCurrentIndex(p.BackingSheetStyle);
  Chk_kiritori_color->setChecked(p.CutLineColor != 0);
  SelectPositionOrStored(Cmb_linetype, p.LineType);
  chk_hakusi->setChecked(p.BlankPaper != 0);
}

void SettingsForm::LoadPlannerSettingsToForm() {
  const PaperSettingsData& p = PaperSettings;
  txt_x_max->setText(QString::number(p.PageWidth));
  Txt_y_head->setText(QString::number(p.HeadHeight));
  Txt_y_data->setText(QString::number(p.DataHeight));
  Txt_x->setText(QString::number(p.PageLeft));

  for (int i = 1; i <= 3; ++i) SelectRegularEntry(Cmb_Font[i], 0);
  selectFont(1, p.HeadFontName);
  selectFont(2, p.DataFontName);
  selectFont(3, p.DefaultFontName);
  selectFontSize(1, p.HeadFontSize);
  selectFontSize(2, p.DataFontSize);
  selectFontSize(3, p.DefaultFontSize);

  const int32_t colours[5] = {p.LineColor, p.HeadColor, p.DataColor, p.DefaultColor, p.HeadLineColor};
  for (int i = 0; i < 5; ++i) SelectPositionOrStored(Cmb_Color[i], colours[i]);

  const int shade = FindRegularEntryWithData(Cmb_Color_amikake, p.ShadeColor);
  if (shade >= 0)
    SelectRegularEntry(Cmb_Color_amikake, shade);
  else
    SelectStoredValueEntry(Cmb_Color_amikake, StoredValueEntryText(), p.ShadeColor);

  Chk_imekana->setChecked(ImeKana == 1);
  refreshSamples();
  selectBackingColour();
}

void SettingsForm::selectFont(int row, const QString& name) {
  QComboBox* list = Cmb_Font[row];
  for (int i = 0; i < RegularEntryCount(list); ++i) {
    if (list->itemText(i) == name) {
      SelectRegularEntry(list, i);
      return;
    }
  }
  // A font this system lacks stays what the settings say until the user
  // chooses another.
  if (!TrimBlanks(name).isEmpty()) SelectStoredValueEntry(list, name, name);
}

void SettingsForm::selectFontSize(int row, float size) {
  QComboBox* list = Cmb_size[row];
  for (int i = 0; i < RegularEntryCount(list); ++i) {
    if (ParseSingle(list->itemText(i)) == size) {
      SelectRegularEntry(list, i);
      return;
    }
  }
  // A size the list lacks (the defaults use 15 and 30) is shown and kept.
  if (size > 0) {
    SelectStoredValueEntry(list, sizeEntryText(size), size);
  } else if (IsStoredValueEntry(list, list->currentIndex())) {
    SelectRegularEntry(list, 0);
  }
}

void SettingsForm::selectBackingColour() {
  const int32_t value = PaperSettings.BackingSheetColor;
  const int i = FindRegularEntryWithData(Cmb_daisi_Color, value);
  if (i >= 0) {
    SelectRegularEntry(Cmb_daisi_Color, i);
  } else if (!GetIniValue(QString(), QStringLiteral("DAISI_COLOR")).isEmpty()) {
    // Only a colour actually stored is kept; without one the list's own
    // choice ("黄") is what saving writes.
    SelectStoredValueEntry(Cmb_daisi_Color, StoredValueEntryText(), value);
  } else if (IsStoredValueEntry(Cmb_daisi_Color, Cmb_daisi_Color->currentIndex())) {
    SelectRegularEntry(Cmb_daisi_Color, 1);
  }
}

QLabel* SettingsForm::fontSample(int row) const {
  switch (row) {
    case 1: return Lbl_Head;
    case 2: return Lbl_naiyo;
    case 3: return Lbl_komidasi;
    default: return nullptr;
  }
}

void SettingsForm::refreshSamples() {
  setTextColour(Lbl_Head, colourOfIndex(PositionOrStoredValue(Cmb_Color[1])));
  setSampleFont(Lbl_Head, Cmb_Font[1]->currentText());
  setTextColour(Lbl_komidasi, colourOfIndex(PositionOrStoredValue(Cmb_Color[3])));
  setSampleFont(Lbl_komidasi, Cmb_Font[3]->currentText());
  setSampleSize(Lbl_komidasi, ParseSingle(Cmb_size[3]->currentText()));
  setTextColour(Lbl_naiyo, colourOfIndex(PositionOrStoredValue(Cmb_Color[2])));
  setSampleFont(Lbl_naiyo, Cmb_Font[2]->currentText());
  setSampleSize(Lbl_naiyo, ParseSingle(Cmb_size[2]->currentText()));
  setFillColour(Line_color, colourOfIndex(PositionOrStoredValue(Cmb_Color[0])));
}

void SettingsForm::cmb_yousi_Click() {
  if (loading_) return;
  const int index = Cmb_Yousi->currentRow();
  if (index < 0) return;
  LoadPaperSettings(index);
  LoadPlannerSettingsToForm();
  const QString advice = PaperSizeAdvice(index);
  if (!advice.isEmpty())
    platform::ShowMessage(advice, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

bool SettingsForm::Cmb_Yousi_KeyDown(int keyCode, int shift) { return keyCode == Qt::Key_Delete; }

bool SettingsForm::Cmb_Yousi_KeyPress(const QString& text) { return true; }

bool SettingsForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Cmb_Yousi && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (Cmb_Yousi_KeyDown(key->key(), static_cast<int>(key->modifiers()))) return true;
    const bool focusKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                          key->key() == Qt::Key_Escape;
    // Typed characters would jump to a size by its first letter: the size
    // list's text is not for typing.
    if (!key->text().isEmpty() && !focusKey && Cmb_Yousi_KeyPress(key->text())) return true;
  }
  return QDialog::eventFilter(watched, event);
}

void SettingsForm::Cmb_Font_Click(int index) {
  if (loading_) return;
  QComboBox* list = Cmb_Font[index];
  if (list->currentIndex() < 0) return;
  if (IsStoredValueEntry(list, list->currentIndex())) {
    setSampleFont(fontSample(index), list->currentText());
    return;
  }
  if (list->currentText().startsWith(QLatin1Char('-'))) list->setCurrentIndex(0);
  if (list->currentIndex() > 3)
    platform::ShowMessage(QStringLiteral("日本語ツゥルータイプフォント以外では、正しく印刷されない事があります。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Question);
  const QString name = list->currentText();
  if (!setSampleFont(fontSample(index), name)) {
    platform::ShowMessage(QStringLiteral("「") + name + QStringLiteral("」フォントは選択できません。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Question);
    list->setCurrentIndex(0);
    setSampleFont(fontSample(index), list->itemText(0));
  }
}

void SettingsForm::Cmb_size_Click(int index) {
  if (index != 2 && index != 3) return;
  setSampleSize(fontSample(index), ParseSingle(Cmb_size[index]->currentText()));
}

void SettingsForm::Cmb_Color_Click(int index) {
  if (Cmb_Color[index]->currentIndex() < 0) return;
  const QColor c = colourOfIndex(PositionOrStoredValue(Cmb_Color[index]));
  switch (index) {
    case 0: setFillColour(Line_color, c); break;
    case 1: setTextColour(Lbl_Head, c); break;
    case 2: setTextColour(Lbl_naiyo, c); break;
    case 3: setTextColour(Lbl_komidasi, c); break;
    case 4: setFillColour(Line_head_color, c); break;
    default: break;
  }
}

void SettingsForm::Cmb_Color_amikake_Click() {
  if (Cmb_Color_amikake->currentIndex() < 0) return;
  setFillColour(Lbl_Data, QColorFromRgbValue(Cmb_Color_amikake->currentData().toInt()));
}

bool SettingsForm::copyMeasurements() {
  PaperSettingsData& p = PaperSettings;
  const struct {
    QLineEdit* box;
    const char16_t* caption;
    int16_t* target;
  } boxes[] = {{Txt_x, u"綴じ代の幅", &p.PageLeft},
               {txt_x_max, u"用紙幅", &p.PageWidth},
               {Txt_y_head, u"表題までの高さ", &p.HeadHeight},
               {Txt_y_data, u"内容までの高さ", &p.DataHeight},
               {Txt_Yohaku, u"印刷不能な紙の枠幅", &p.PrintMargin}};
  // Whole millimetres of a 16-bit setting: a number beyond that range is
  // refused before anything is changed.
  for (const auto& b : boxes) {
    if (!MeasurementFromText(b.box->text())) {
      platform::ShowMessage(QStringLiteral("「") + QString::fromUtf16(b.caption) +
                                QStringLiteral("」には -32768 から 32767 までの数を入れてください。"),
                            platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
      b.box->setFocus();
      return false;
    }
  }
  for (const auto& b : boxes) *b.target = *MeasurementFromText(b.box->text());
  return true;
}

void SettingsForm::Cmd_settei_Click() {
  if (!copyMeasurements()) return;
  PaperSettingsData& p = PaperSettings;
  p.TitleStyle = static_cast<int16_t>(PositionOrStoredValue(Cmb_TitleType));
  p.PunchHoles = chk_anaake->isChecked() ? 1 : 0;
  p.BackingSheetStyle = static_cast<int16_t>(std::max(0, cmb_daisi->currentIndex()));
  p.BackingSheetColor = Cmb_daisi_Color->currentData().toInt();

  p.FootDownOn = Chk_foot_Down->isChecked() ? 1 : 0;
  if (p.FootDownOn == 1) {
    const double shift = std::fabs(ParseNumber(GetIniValue(QString(), QStringLiteral("FOOT_DOWN"))));
    p.FootHeight = ToInt16(p.FootHeightStored + RoundHalfEven(shift));
  } else {
    p.FootHeight = p.FootHeightStored;
  }
  p.CutLineColor = Chk_kiritori_color->isChecked() ? kLightCutLineRgb : 0;
  p.LineType = static_cast<int16_t>(PositionOrStoredValue(Cmb_linetype));
  ImeKana = Chk_imekana->isChecked() ? 1 : 0;
  p.BlankPaper = chk_hakusi->isChecked() ? 1 : 0;

  p.HeadFontName = Cmb_Font[1]->currentText();
  p.DataFontName = Cmb_Font[2]->currentText();
  p.DefaultFontName = Cmb_Font[3]->currentText();
  p.HeadFontSize = ParseSingle(Cmb_size[1]->currentText());
  p.DataFontSize = ParseSingle(Cmb_size[2]->currentText());
  p.DefaultFontSize = ParseSingle(Cmb_size[3]->currentText());

  p.LineColor = PositionOrStoredValue(Cmb_Color[0]);
  p.HeadColor = PositionOrStoredValue(Cmb_Color[1]);
  p.DataColor = PositionOrStoredValue(Cmb_Color[2]);
  p.DefaultColor = PositionOrStoredValue(Cmb_Color[3]);
  p.HeadLineColor = PositionOrStoredValue(Cmb_Color[4]);
  p.ShadeColor = Cmb_Color_amikake->currentData().toInt();

  if (Cmb_Yousi->currentRow() < 0) {
    p.PaperIndex = 0;
    Cmb_Yousi->setCurrentRow(0);
  } else {
    p.PaperIndex = static_cast<int16_t>(Cmb_Yousi->currentRow());
  }

  SavePaperSettings();
  WriteIniValue(QString(), QStringLiteral("IMEKANA"), QString::number(ImeKana));
  // Derive the page height and the sheet columns from the margin just saved,
  // so that the next print uses the new margin throughout.
  LoadPaperSettings(PaperSettings.PaperIndex);
  saved_ = true;
  accept();
}

void SettingsForm::done(int result) {
  // Sizes chosen in the form were loaded into PaperSettings at once; without
  // saving, the settings in force go back to those the form opened with.
  if (!saved_) PaperSettings = openedWith_;
  QDialog::done(result);
}
