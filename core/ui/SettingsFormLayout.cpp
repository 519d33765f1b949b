// The controls of the settings form and where they stand.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "SettingsForm.h"
#include "core/print/FontMapping.h"

namespace {

QLineEdit* measurementBox(QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setMaximumWidth(60);
  return box;
}

QFrame* sampleLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFixedSize(60, 3);
  line->setAutoFillBackground(true);
  return line;
}

// A small frame drawn inside the page picture at a fixed place.
QFrame* pageLine(QWidget* page, const QRect& at) {
  auto* line = new QFrame(page);
  line->setFrameShape(QFrame::Box);
  line->setGeometry(at);
  return line;
}

}  // namespace

void SettingsForm::buildControls() {
  setWindowTitle(QStringLiteral("用紙サイズ設定"));

  // Size list.
  Cmb_Yousi = new QListWidget(this);
  Cmb_Yousi->setMinimumWidth(230);
  // The list texts pad their names with blanks to line up in a fixed-pitch face.
  QFont listFont = Cmb_Yousi->font();
  listFont.setFamily(MapFontFamily(QStringLiteral("ＭＳ ゴシック")));
  Cmb_Yousi->setFont(listFont);
  Cmb_Yousi->installEventFilter(this);
  auto* sizeColumn = new QVBoxLayout;
  sizeColumn->addWidget(new QLabel(QStringLiteral("手帳サイズ"), this));
  auto* instruction = new QLabel(QStringLiteral("使いたい手帳用紙の大きさを選んでください"), this);
  instruction->setWordWrap(true);
  sizeColumn->addWidget(instruction);
  sizeColumn->addWidget(Cmb_Yousi, 1);

  // The page picture with the measurement boxes beside it.
  auto* page = new QWidget(this);
  page->setFixedSize(90, 130);
  Shape1 = pageLine(page, QRect(5, 5, 80, 120));
  Line1 = pageLine(page, QRect(18, 5, 1, 120));   // binding margin
  Line3 = pageLine(page, QRect(5, 20, 80, 1));    // header rule
  Line4 = pageLine(page, QRect(5, 30, 80, 1));    // top of the body
  Line8 = pageLine(page, QRect(75, 5, 1, 120));   // right edge of the content
  Txt_x = measurementBox(this);
  txt_x_max = measurementBox(this);
  Txt_y_head = measurementBox(this);
  Txt_y_data = measurementBox(this);
  Txt_Yohaku = measurementBox(this);
  auto* measures = new QGridLayout;
  measures->addWidget(page, 0, 0, 5, 1);
  const std::pair<const char16_t*, QLineEdit*> boxes[] = {
      {u"綴じ代の幅", Txt_x},          {u"用紙幅", txt_x_max},
      {u"表題までの高さ", Txt_y_head}, {u"内容までの高さ", Txt_y_data},
      {u"印刷不能な紙の枠幅", Txt_Yohaku}};
  int row = 0;
  for (const auto& [caption, box] : boxes) {
    measures->addWidget(new QLabel(QString::fromUtf16(caption), this), row, 1);
    measures->addWidget(box, row, 2);
    measures->addWidget(new QLabel(QStringLiteral("mm"), this), row, 3);
    ++row;
  }

  // Detailed settings.
  Frame2 = new QGroupBox(QStringLiteral("詳細設定"), this);
  auto* detail = new QGridLayout(Frame2);
  for (int i = 0; i < 5; ++i) Cmb_Color[i] = new QComboBox(Frame2);
  for (int i = 1; i <= 3; ++i) {
    Cmb_Font[i] = new QComboBox(Frame2);
    Cmb_Font[i]->setMinimumWidth(150);
    Cmb_size[i] = new QComboBox(Frame2);
  }
  Cmb_TitleType = new QComboBox(Frame2);
  Line_head_color = sampleLine(Frame2);
  row = 0;
  detail->addWidget(new QLabel(QStringLiteral("表題の飾り"), Frame2), row, 0);
  detail->addWidget(Cmb_TitleType, row, 1);
  detail->addWidget(Cmb_Color[4], row, 3);
  detail->addWidget(Line_head_color, row, 4);

  Lbl_Head = new QLabel(QStringLiteral("[表題]"), Frame2);
  Lbl_naiyo = new QLabel(QStringLiteral("内容の文字サイズ"), Frame2);
  Lbl_komidasi = new QLabel(QStringLiteral("[小見出しの文字サイズ]"), Frame2);
  QLabel* samples[4] = {nullptr, Lbl_Head, Lbl_naiyo, Lbl_komidasi};
  for (int i = 1; i <= 3; ++i) {
    ++row;
    detail->addWidget(samples[i], row, 0);
    detail->addWidget(Cmb_Font[i], row, 1);
    detail->addWidget(Cmb_size[i], row, 2);
    detail->addWidget(Cmb_Color[i], row, 3);
    if (i == 2) detail->addWidget(new QLabel(QStringLiteral("メモ帳標準文字サイズ"), Frame2), row, 4);
  }

  ++row;
  Line_color = sampleLine(Frame2);
  Cmb_linetype = new QComboBox(Frame2);
  detail->addWidget(new QLabel(QStringLiteral("線"), Frame2), row, 0);
  detail->addWidget(Cmb_Color[0], row, 1);
  detail->addWidget(Line_color, row, 2);
  detail->addWidget(new QLabel(QStringLiteral("点線形式"), Frame2), row, 3);
  detail->addWidget(Cmb_linetype, row, 4);

  ++row;
  Cmb_Color_amikake = new QComboBox(Frame2);
  Lbl_Data = new QLabel(QStringLiteral("内容の文字の大きさ"), Frame2);
  Lbl_Data->setAutoFillBackground(true);
  detail->addWidget(new QLabel(QStringLiteral("網掛の色"), Frame2), row, 0);
  detail->addWidget(Cmb_Color_amikake, row, 1);
  detail->addWidget(Lbl_Data, row, 2, 1, 2);

  ++row;
  cmb_daisi = new QComboBox(Frame2);
  Cmb_daisi_Color = new QComboBox(Frame2);
  detail->addWidget(new QLabel(QStringLiteral("台紙の模様"), Frame2), row, 0);
  detail->addWidget(cmb_daisi, row, 1);
  detail->addWidget(Cmb_daisi_Color, row, 2);

  chk_hakusi = new QCheckBox(QStringLiteral("A4余白に白紙用切取線"), Frame2);
  Chk_kiritori_color = new QCheckBox(QStringLiteral("切取線の色を薄く"), Frame2);
  Chk_foot_Down = new QCheckBox(QStringLiteral("用紙下端まで印刷"), Frame2);
  chk_anaake = new QCheckBox(QStringLiteral("A4の時に穴位置印刷"), Frame2);
  Chk_imekana = new QCheckBox(QStringLiteral("IME漢字自動切替OFF"), Frame2);
  ++row;
  detail->addWidget(chk_hakusi, row, 0, 1, 2);
  detail->addWidget(Chk_kiritori_color, row, 2, 1, 2);
  ++row;
  detail->addWidget(Chk_foot_Down, row, 0, 1, 2);
  detail->addWidget(chk_anaake, row, 2, 1, 2);
  detail->addWidget(Chk_imekana, row, 4);
  ++row;
  detail->addWidget(new QLabel(QStringLiteral("注：欲しい色があったら教えてください"), Frame2), row, 0, 1, 5);

  Cmd_settei = new QPushButton(QStringLiteral("設定内容保管"), this);
  Cmd_settei->setAutoDefault(false);

  auto* right = new QVBoxLayout;
  right->addLayout(measures);
  right->addWidget(Frame2);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Cmd_settei);
  right->addLayout(bottom);
  auto* top = new QHBoxLayout(this);
  top->addLayout(sizeColumn);
  top->addLayout(right, 1);
}
