// Builds the address window's controls and connects them to the handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "AddressWindow.h"
#include "core/ui/FormHelpers.h"

namespace {

// Input-method modes as the text boxes keep them (see ApplyImeMode).
constexpr int kImeOn = 1;
constexpr int kImeOff = 2;
constexpr int kImeDisabled = 3;
constexpr int kImeHiragana = 4;
constexpr int kImeHalfKatakana = 6;

QLineEdit* NewBox(QWidget* parent, const char* name, int imeMode) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(name));
  box->setProperty(kImeModeProperty, imeMode);
  return box;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(name));
  // The free captions come from the settings file, which the user edits.
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

void AddressWindow::BuildLayout() {
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_FileSearch2 = NewCommandButton("Cmd_FileSearch2", QStringLiteral("検索"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));

  // ---- Left: filter, initial buttons, list
  Cmb_bunrui = new QComboBox(this);
  Cmb_bunrui->setObjectName(QStringLiteral("Cmb_bunrui"));
  const char16_t* initials[13] = {u"ｱ", u"ｶ", u"ｻ", u"ﾀ", u"ﾅ", u"ﾊ", u"ﾏ", u"ﾔ", u"ﾗ", u"ﾜ", u"A", u"Z", u"0"};
  auto* initialRow = new QHBoxLayout;
  initialRow->setSpacing(1);
  for (int i = 0; i < 13; ++i) {
    Cmd_search[i] = NewButton(this, QStringLiteral("Cmd_search_%1").arg(i), QString::fromUtf16(initials[i]));
    Cmd_search[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 6);
    initialRow->addWidget(Cmd_search[i]);
    connect(Cmd_search[i], &QPushButton::clicked, this, [this, i] { Cmd_search_Click(i); });
  }
  List1 = new QListWidget(this);
  List1->setObjectName(QStringLiteral("List1"));
  List1->installEventFilter(this);
  // Every line is one line of text in the one font: measuring a single one
  // lays out a book of a hundred thousand entries as fast as a short one.
  List1->setUniformItemSizes(true);
  auto* left = new QVBoxLayout;
  left->addWidget(Cmb_bunrui);
  left->addLayout(initialRow);
  left->addWidget(List1, 1);

  // ---- Right: the entry editor
  Txt_Kana = NewBox(this, "Txt_Kana", kImeHalfKatakana);
  Txt_Kana->installEventFilter(this);
  Cmb_bunruiM = new QComboBox(this);
  Cmb_bunruiM->setObjectName(QStringLiteral("Cmb_bunruiM"));
  Cmb_bunruiM->setEditable(true);
  Txt_Name = NewBox(this, "Txt_Name", kImeHiragana);
  Txt_Handle = NewBox(this, "Txt_Handle", kImeHiragana);
  Txt_Tel = NewBox(this, "Txt_Tel", kImeDisabled);
  Txt_Jitaku = NewBox(this, "Txt_Jitaku", kImeDisabled);
  Chk_noprint = new QCheckBox(QStringLiteral("印刷不要"), this);
  Chk_noprint->setObjectName(QStringLiteral("Chk_noprint"));
  Chk_Active = new QCheckBox(QStringLiteral("よく使う"), this);
  Chk_Active->setObjectName(QStringLiteral("Chk_Active"));
  Chk_Active->setChecked(true);  // the editor starts as a cleared one
  for (int i = 0; i < 5; ++i) {
    chk_etc[i] = new QCheckBox(this);
    chk_etc[i]->setObjectName(QStringLiteral("chk_etc_%1").arg(i));
  }
  Txt_KaisyaName = NewBox(this, "Txt_KaisyaName", kImeOn);
  Txt_Kaisya = NewBox(this, "Txt_Kaisya", kImeDisabled);
  Txt_Zip = NewBox(this, "Txt_Zip", kImeDisabled);
  Txt_Address1 = NewBox(this, "Txt_Address1", kImeOn);
  Txt_Address2 = NewBox(this, "Txt_Address2", kImeOn);
  Txt_Mail = NewBox(this, "Txt_Mail", kImeDisabled);
  Txt_Bikou[0] = NewBox(this, "Txt_Bikou_0", kImeOn);
  Txt_Bikou[1] = NewBox(this, "Txt_Bikou_1", kImeOn);
  Txt_Bikou3 = new QPlainTextEdit(this);
  Txt_Bikou3->setObjectName(QStringLiteral("Txt_Bikou_2"));
  Txt_Bikou3->setProperty(kImeModeProperty, kImeOn);
  Txt_Bikou3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Txt_Bikou[3] = NewBox(this, "Txt_Bikou_3", kImeOff);
  Txt_Bikou[3]->setText(QStringLiteral("http://"));
  Txt_Fax = NewBox(this, "Txt_Fax", kImeDisabled);
  Txt_Birthday = NewBox(this, "Txt_Birthday", kImeOff);
  Txt_No = NewBox(this, "Txt_No", kImeOff);
  txt_post = NewBox(this, "txt_post", kImeHiragana);

  const char16_t* fixed[9] = {u"カナ", u"分類", u"氏名", u"愛称", u"社名", u"役職", u"FAX", u"備考", u"ﾁｪｯｸ"};
  for (int i = 0; i < 9; ++i)
    Label2[i] = NewLabel(this, QStringLiteral("Label2_%1").arg(i).toLatin1().constData(), QString::fromUtf16(fixed[i]));
  Lbl_biko1 = NewLabel(this, "Lbl_biko1", QString());
  Lbl_biko2 = NewLabel(this, "Lbl_biko2", QString());
  Lbl_no = NewLabel(this, "Lbl_no", QString());
  Lbl_yobi = NewLabel(this, "Lbl_yobi", QString());
  for (QLabel* l : {Lbl_biko1, Lbl_biko2, Lbl_no, Lbl_yobi}) {
    l->installEventFilter(this);
    l->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("ﾒｰﾙ2ﾒ")));
  }

  auto* editor = new QGridLayout;
  int row = 0;
  auto addRow = [&](QWidget* label, QWidget* box, QWidget* label2 = nullptr, QWidget* box2 = nullptr) {
    editor->addWidget(label, row, 0);
    editor->addWidget(box, row, 1, 1, label2 ? 1 : 3);
    if (label2) {
      editor->addWidget(label2, row, 2);
      editor->addWidget(box2, row, 3);
    }
    ++row;
  };
  addRow(Label2[0], Txt_Kana, Label2[1], Cmb_bunruiM);
  addRow(Label2[2], Txt_Name, Label2[3], Txt_Handle);
  // The link buttons stand at the end of the row of the field they act on.
  const auto linkButton = [&](const QString& name, const QString& caption) {
    QPushButton* button = NewButton(this, name, caption);
    button->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 8);
    editor->addWidget(button, row - 1, 4);
    return button;
  };
  addRow(NewLabel(this, "Lbl_tel", QStringLiteral("携帯")), Txt_Tel, NewLabel(this, "Lbl_jitaku", QStringLiteral("自宅")), Txt_Jitaku);
  cmd_tel[0] = NewButton(this, QStringLiteral("cmd_tel_0"), QStringLiteral("携帯"));
  cmd_tel[1] = NewButton(this, QStringLiteral("cmd_tel_1"), QStringLiteral("自宅"));
  auto* dialRow = new QHBoxLayout;
  dialRow->setSpacing(1);
  dialRow->addWidget(cmd_tel[0]);
  dialRow->addWidget(cmd_tel[1]);
  editor->addLayout(dialRow, row - 1, 4);
  addRow(Label2[4], Txt_KaisyaName, Label2[5], txt_post);
  addRow(NewLabel(this, "Lbl_kaisya", QStringLiteral("TEL")), Txt_Kaisya, Label2[6], Txt_Fax);
  cmd_tel[2] = linkButton(QStringLiteral("cmd_tel_2"), QStringLiteral("TEL"));
  addRow(NewLabel(this, "Lbl_zip", QStringLiteral("〒")), Txt_Zip, Lbl_no, Txt_No);
  Cmd_zip[1] = linkButton(QStringLiteral("Cmd_zip_1"), QStringLiteral("〒"));
  addRow(NewLabel(this, "Lbl_address", QStringLiteral("住所")), Txt_Address1);
  Cmd_zip[0] = linkButton(QStringLiteral("Cmd_zip_0"), QStringLiteral("住所"));
  addRow(new QLabel(this), Txt_Address2);
  addRow(NewLabel(this, "Lbl_mail", QStringLiteral("ﾒｰﾙ")), Txt_Mail, Lbl_yobi, Txt_Birthday);
  Cmd_mail = linkButton(QStringLiteral("Cmd_mail"), QStringLiteral("ﾒｰﾙ"));
  addRow(Lbl_biko1, Txt_Bikou[0], Lbl_biko2, Txt_Bikou[1]);
  addRow(NewLabel(this, "Lbl_url", QStringLiteral("URL")), Txt_Bikou[3]);
  cmd_url = linkButton(QStringLiteral("cmd_url"), QStringLiteral("URL"));
  editor->addWidget(Label2[7], row, 0, Qt::AlignTop);
  editor->addWidget(Txt_Bikou3, row, 1, 1, 3);
  ++row;
  auto* checks = new QHBoxLayout;
  checks->addWidget(Label2[8]);
  for (QCheckBox* c : chk_etc) checks->addWidget(c);
  checks->addStretch(1);
  checks->addWidget(Chk_noprint);
  checks->addWidget(Chk_Active);
  editor->addLayout(checks, row++, 0, 1, 5);

  const char16_t* updates[5] = {u"表示", u"追加", u"更新", u"削除", u"ｸﾘｱ"};
  auto* updateRow = new QHBoxLayout;
  for (int i = 0; i < 5; ++i) {
    Cmd_Update[i] = NewButton(this, QStringLiteral("Cmd_Update_%1").arg(i), QString::fromUtf16(updates[i]));
    updateRow->addWidget(Cmd_Update[i]);
    connect(Cmd_Update[i], &QPushButton::clicked, this, [this, i] { cmd_update_click(i); });
  }
  cmd_clipboard = NewButton(this, QStringLiteral("cmd_clipboard"), QStringLiteral("ｸﾘｯﾌﾟB読込"));
  updateRow->addWidget(cmd_clipboard);
  connect(cmd_clipboard, &QPushButton::clicked, this, &AddressWindow::cmd_clipboard_Click);
  editor->addLayout(updateRow, row++, 0, 1, 5);

  // ---- Bottom: print choices
  Cmb_Type = new QComboBox(this);
  Cmb_Type->setObjectName(QStringLiteral("Cmb_Type"));
  Cmb_men = new QComboBox(this);
  Cmb_men->setObjectName(QStringLiteral("Cmb_men"));
  cmb_sort = new QComboBox(this);
  cmb_sort->setObjectName(QStringLiteral("cmb_sort"));
  Chk_Jyusyo = new QCheckBox(QStringLiteral("住所"), this);
  Chk_Jyusyo->setObjectName(QStringLiteral("Chk_Jyusyo"));
  Chk_Jyusyo->setTristate(true);
  const char16_t* mails[5] = {u"URL", u"ﾒｰﾙ", u"", u"", u"備考"};
  for (int i = 0; i < 5; ++i) {
    Chk_mail[i] = new QCheckBox(QString::fromUtf16(mails[i]), this);
    Chk_mail[i]->setObjectName(QStringLiteral("Chk_mail_%1").arg(i));
  }
  auto* print = new QHBoxLayout;
  print->addWidget(Cmb_Type);
  print->addWidget(Cmb_men);
  print->addWidget(cmb_sort);
  print->addWidget(Chk_Jyusyo);
  for (QCheckBox* c : Chk_mail) print->addWidget(c);
  print->addStretch(1);
  print->addWidget(Cmd_FileSearch2);
  print->addWidget(Cmd_print);

  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(editor, 1);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(top, 1);
  whole->addLayout(print);

  connect(Cmb_bunrui, &QComboBox::currentIndexChanged, this, [this](int) { Cmb_Bunrui_Click(); });
  connect(Chk_Jyusyo, &QCheckBox::stateChanged, this, [this](int) { Chk_Jyusyo_Click(); });
  connect(List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { List1_DblClick(); });
  connect(Cmb_Type, &QComboBox::currentIndexChanged, this, [this](int) { Cmb_type_Click(); });
  connect(Cmd_print, &QPushButton::clicked, this, &AddressWindow::Cmd_print_Click);
  connect(cmd_FileNew, &QPushButton::clicked, this, &AddressWindow::cmd_FileNew_Click);
  connect(Cmd_FileRead, &QPushButton::clicked, this, &AddressWindow::Cmd_FileRead_Click);
  connect(Cmd_FileSearch2, &QPushButton::clicked, this, &AddressWindow::Cmd_FileSearch2_Click);
}

QString AddressWindow::BikouText(int index) const {
  if (index == 2) return Txt_Bikou3->toPlainText();
  return index >= 0 && index < 4 && Txt_Bikou[index] ? Txt_Bikou[index]->text() : QString();
}

void AddressWindow::SetBikouText(int index, const QString& text) {
  if (index == 2)
    Txt_Bikou3->setPlainText(text);
  else if (index >= 0 && index < 4 && Txt_Bikou[index])
    Txt_Bikou[index]->setText(text);
}
