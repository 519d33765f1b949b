// The ruled-paper window's controls and their places.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "RuledPaperDesigns.h"
#include "RuledPaperWindow.h"
#include "core/ui/FormHelpers.h"

namespace {

// The page mock-up of the one-point frame, in pixels.
constexpr int kMockUpWidth = 120;
constexpr int kMockUpHeight = 160;

QLineEdit* NewBox(QWidget* parent, const char* name, const QString& text = QString(), int chars = 0) {
  auto* box = WithObjectName(new QLineEdit(text, parent), name);
  if (chars > 0) box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 16);
  return box;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const QString& caption, bool checked = false) {
  auto* box = WithObjectName(new QCheckBox(caption, parent), name);
  box->setChecked(checked);
  return box;
}

QComboBox* NewList(QWidget* parent, const char* name) {
  auto* list = WithObjectName(new QComboBox(parent), name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return list;
}

// A row of a label and a control inside a frame.
void AddRow(QGridLayout* grid, const QString& label, QWidget* control, QWidget* after = nullptr) {
  const int row = grid->rowCount();
  grid->addWidget(new QLabel(label, grid->parentWidget()), row, 0);
  grid->addWidget(control, row, 1);
  if (after) grid->addWidget(after, row, 2);
}

void AddWide(QGridLayout* grid, QWidget* widget) { grid->addWidget(widget, grid->rowCount(), 0, 1, 3); }

}  // namespace

void RuledPaperWindow::buildControls() {
  setWindowTitle(QStringLiteral("用紙"));
  Cmb_Type = WithObjectName(new QListWidget(this), "Cmb_Type");
  Cmb_Type->setSelectionMode(QAbstractItemView::SingleSelection);
  Cmb_Type->installEventFilter(this);
  Cmb_men = NewList(this, "Cmb_men");
  Txt_Title = NewBox(this, "Txt_Title");
  Txt_maisu = NewBox(this, "Txt_maisu", QStringLiteral("1"), 5);
  Txt_maisu->setProperty(kImeModeProperty, 8);
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  chk_hizuke = NewCheck(this, "chk_hizuke", QStringLiteral("日付"));
  chk_hizuke->hide();

  for (int i = 0; i < kRuledFrameCount; ++i) {
    Frame1[i] = new QGroupBox(RuledFrameCaption(i), this);
    Frame1[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
    Frame1[i]->hide();
  }
  auto grid = [this](int frame) {
    auto* g = new QGridLayout(Frame1[frame]);
    g->setColumnStretch(3, 1);
    return g;
  };

  // ワンポイント
  {
    QGroupBox* f = Frame1[0];
    auto* g = grid(0);
    File1 = WithObjectName(new QListWidget(f), "File1");
    cmb_image_iti = NewList(f, "cmb_image_iti");
    Cmd_FileRead = WithObjectName(new QPushButton(QStringLiteral("ﾌｧｲﾙ読み込み"), f), "Cmd_FileRead");
    Cmd_GetClip = WithObjectName(new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ読込"), f), "Cmd_GetClip");
    Shape3 = WithObjectName(new QFrame(f), "Shape3");
    Shape3->setFrameShape(QFrame::Box);
    Shape3->setFixedSize(kMockUpWidth, kMockUpHeight);
    Picture1 = WithObjectName(new QLabel(Shape3), "Picture1");
    Picture1->resize(0, 0);
    g->addWidget(File1, 0, 0, 4, 1);
    g->addWidget(cmb_image_iti, 0, 1);
    g->addWidget(Cmd_FileRead, 1, 1);
    g->addWidget(Cmd_GetClip, 2, 1);
    g->addWidget(Shape3, 0, 2, 4, 1);
    g->addWidget(new QLabel(QStringLiteral("用紙の右下にワンポイントイメージを印刷できます"), f), 4, 0, 1, 3);
  }
  // 方眼紙/ドット
  {
    QGroupBox* f = Frame1[1];
    auto* g = grid(1);
    chk_hougan_yaku = NewCheck(f, "chk_hougan_yaku", QStringLiteral("用紙幅にあわせてマス目を微調整"), true);
    chk_hougan_tensen = NewCheck(f, "chk_hougan_tensen", QStringLiteral("中間の点線"));
    Cmb_Size = NewList(f, "Cmb_Size");
    AddRow(g, QStringLiteral("方眼紙のマス目:"), Cmb_Size);
    AddWide(g, chk_hougan_yaku);
    AddWide(g, chk_hougan_tensen);
    auto* note = new QLabel(
        QStringLiteral("罫線の色が濃いときは、「用紙サイズ設定」で、色を薄くしてから印刷してください。"), f);
    note->setWordWrap(true);
    AddWide(g, note);
  }
  // 白紙
  AddWide(grid(2), new QLabel(QStringLiteral("Ａ４用紙をハサミで切ってシステム手帳用紙を作成"), Frame1[2]));
  // 横罫/縦罫
  {
    QGroupBox* f = Frame1[3];
    auto* g = grid(3);
    Cmb_GyouKanakaku = NewList(f, "Cmb_GyouKanakaku");
    AddRow(g, QStringLiteral("罫の行間隔:"), Cmb_GyouKanakaku);
    for (int i = 0; i < 2; ++i) {
      cmb_bunruisen[i] = NewList(f, "cmb_bunruisen");
      cmb_bunruisen[i]->setProperty("index", i);
    }
    AddRow(g, QStringLiteral("左"), cmb_bunruisen[0]);
    AddRow(g, QStringLiteral("右"), cmb_bunruisen[1]);
    Chk_checkL = NewCheck(f, "Chk_checkL", QStringLiteral("行頭に□"));
    Chk_Tatekei = NewCheck(f, "Chk_Tatekei", QStringLiteral("縦罫"));
    AddWide(g, Chk_checkL);
    AddWide(g, Chk_Tatekei);
  }
  // 五線紙
  {
    QGroupBox* f = Frame1[4];
    auto* g = grid(4);
    chk_5yoko = NewCheck(f, "chk_5yoko", QStringLiteral("横長"));
    txt_5kankaku = NewBox(f, "txt_5kankaku", QStringLiteral("20"), 5);
    Txt_5haba = NewBox(f, "Txt_5haba", QStringLiteral("2"), 5);
    AddWide(g, chk_5yoko);
    AddRow(g, QStringLiteral("五線の間隔(mm)"), txt_5kankaku);
    AddRow(g, QStringLiteral("線の間隔(mm)"), Txt_5haba);
  }
  // 物差し
  {
    QGroupBox* f = Frame1[5];
    auto* g = grid(5);
    Txt_monosasi = NewBox(f, "Txt_monosasi", QString(), 8);
    AddRow(g, QStringLiteral("精度微調整(約1/1000mm)："), Txt_monosasi);
    AddWide(g, new QLabel(QStringLiteral("プリンターの精度により、正しく計れない事があります。"), f));
  }
  // 健康/ダイエット
  {
    QGroupBox* f = Frame1[6];
    auto* g = grid(6);
    chk_kenko_seikatu = NewCheck(f, "chk_kenko_seikatu", QStringLiteral("生活状況"));
    chk_kenko_hosuu = NewCheck(f, "chk_kenko_hosuu", QStringLiteral("歩数"));
    Chk_kenko_taion_grapth = NewCheck(f, "Chk_kenko_taion_grapth", QStringLiteral("基礎体温グラフ"));
    Chk_kenko_taijyu_grapth = NewCheck(f, "Chk_kenko_taijyu_grapth", QStringLiteral("体重グラフ"));
    Chk_kenko_cycle = NewCheck(f, "Chk_kenko_cycle", QStringLiteral("自転車"));
    Chk_kenko_taisibou = NewCheck(f, "Chk_kenko_taisibou", QStringLiteral("体脂肪率"));
    Chk_kenko_ketuatu_grapth = NewCheck(f, "Chk_kenko_ketuatu_grapth", QStringLiteral("血圧グラフ"));
    Chk_kenko_kusuri = NewCheck(f, "Chk_kenko_kusuri", QStringLiteral("薬"));
    Chk_kenko_ketuatu = NewCheck(f, "Chk_kenko_ketuatu", QStringLiteral("血圧"));
    auto* checks = new QGridLayout;
    const QCheckBox* boxes[] = {chk_kenko_seikatu, chk_kenko_hosuu, Chk_kenko_taion_grapth,
                                Chk_kenko_taijyu_grapth, Chk_kenko_cycle, Chk_kenko_taisibou,
                                Chk_kenko_ketuatu_grapth, Chk_kenko_kusuri, Chk_kenko_ketuatu};
    for (int i = 0; i < 9; ++i) checks->addWidget(const_cast<QCheckBox*>(boxes[i]), i / 3, i % 3);
    g->addLayout(checks, 0, 0, 1, 4);
    txt_kenko_yyyymmdd = NewBox(f, "txt_kenko_yyyymmdd", QString(), 10);
    Cmb_kenko = NewList(f, "Cmb_kenko");
    AddRow(g, QStringLiteral("開始日"), txt_kenko_yyyymmdd, Cmb_kenko);
    AddWide(g, new QLabel(QStringLiteral("健康状態を記録する用紙です"), f));
    AddWide(g, new QLabel(QStringLiteral("[おまけ(計算機能)]"), f));
    Txt_sincyo = NewBox(f, "Txt_sincyo", QString(), 6);
    Lbl_taiju = WithObjectName(new QLabel(QStringLiteral("00.0"), f), "Lbl_taiju");
    txt_taijyu = NewBox(f, "txt_taijyu", QString(), 6);
    lbl_himan = WithObjectName(new QLabel(QStringLiteral("00.0"), f), "lbl_himan");
    AddRow(g, QStringLiteral("身長(Cm)"), Txt_sincyo);
    AddRow(g, QStringLiteral("標準体重(Kg)"), Lbl_taiju);
    AddRow(g, QStringLiteral("体重(Kg)"), txt_taijyu);
    AddRow(g, QStringLiteral("肥満度(%)"), lbl_himan);
  }
  // 原稿用紙
  {
    QGroupBox* f = Frame1[7];
    auto* g = grid(7);
    const char* captions[] = {"１００字詰、横書き（１０行ｘ１０文字）", "１００字詰（１０行ｘ１０文字）",
                              "２００字詰「ぺら」（１段２０字）"};
    for (int i = 0; i < 3; ++i) {
      Opt_genko_type[i] = WithObjectName(new QRadioButton(QString::fromUtf8(captions[i]), f), "Opt_genko_type");
      AddWide(g, Opt_genko_type[i]);
    }
    Opt_genko_type[2]->setChecked(true);
    txt_genko_meyasu = NewBox(f, "txt_genko_meyasu", QString(), 4);
    AddRow(g, QStringLiteral("目安線"), txt_genko_meyasu);
    AddWide(g, new QLabel(QStringLiteral("原稿用紙です"), f));
  }
  // 囲碁用紙
  {
    QGroupBox* f = Frame1[8];
    auto* g = grid(8);
    const char* captions[] = {"１９路盤（中級～上級者）", "１３路盤（初級～中級者）", "９路盤（入門者～初級者）"};
    for (int i = 0; i < 3; ++i) {
      Opt_igo_masume[i] = WithObjectName(new QRadioButton(QString::fromUtf8(captions[i]), f), "Opt_igo_masume");
      AddWide(g, Opt_igo_masume[i]);
    }
    Opt_igo_masume[0]->setChecked(true);
    AddWide(g, new QLabel(QStringLiteral("囲碁盤用紙です"), f));
  }
  // 将棋用紙
  {
    QGroupBox* f = Frame1[9];
    auto* g = grid(9);
    txt_syougi_title = NewBox(f, "txt_syougi_title");
    txt_syougi_biko = WithObjectName(new QPlainTextEdit(f), "txt_syougi_biko");
    txt_syougi_biko->setMaximumHeight(txt_syougi_biko->fontMetrics().lineSpacing() * 4 + 12);
    AddRow(g, QStringLiteral("題"), txt_syougi_title);
    AddRow(g, QStringLiteral("備考"), txt_syougi_biko);
  }
  // リスク分析
  txt_risk_yokokei = NewBox(Frame1[10], "txt_risk_yokokei", QStringLiteral("4"), 4);
  AddRow(grid(10), QStringLiteral("横罫の間隔　　　　ミリ"), txt_risk_yokokei);
  // マス目(ナンプレ)
  {
    QGroupBox* f = Frame1[11];
    auto* g = grid(11);
    txt_keisen_honsu = NewBox(f, "txt_keisen_honsu", QStringLiteral("9"), 4);
    txt_keisen_futoji = NewBox(f, "txt_keisen_futoji", QStringLiteral("3"), 4);
    Txt_keisen_yohaku = NewBox(f, "Txt_keisen_yohaku", QStringLiteral("8"), 4);
    AddRow(g, QStringLiteral("マス目の数："), txt_keisen_honsu);
    AddRow(g, QStringLiteral("罫線          本ごとに太字"), txt_keisen_futoji);
    AddRow(g, QStringLiteral("枠の周りの余白    　  ミリ"), Txt_keisen_yohaku);
  }
  // ショップリスト
  txt_shop_gyou = NewBox(Frame1[12], "txt_shop_gyou", QStringLiteral("3"), 4);
  AddRow(grid(12), QStringLiteral("１頁の店舗数"), txt_shop_gyou);
  // プロジェクト
  {
    QGroupBox* f = Frame1[13];
    auto* g = grid(13);
    Chk_pro_cost = NewCheck(f, "Chk_pro_cost", QStringLiteral("概算コスト"));
    Chk_pro_nouki = NewCheck(f, "Chk_pro_nouki", QStringLiteral("納期"), true);
    Chk_pro_mony = NewCheck(f, "Chk_pro_mony", QStringLiteral("概算金額"), true);
    chk_pro_kokyaku = NewCheck(f, "chk_pro_kokyaku", QStringLiteral("顧客情報"), true);
    Chk_pro_caver = NewCheck(f, "Chk_pro_caver", QStringLiteral("２つ折り(カバーに使えます)"));
    for (QCheckBox* box : {Chk_pro_cost, Chk_pro_nouki, Chk_pro_mony, chk_pro_kokyaku, Chk_pro_caver})
      AddWide(g, box);
    AddWide(g, new QLabel(QStringLiteral("参考：メモ帳で作ると内容も記入できます。"), f));
  }
  // 年齢早見表
  Chk_rainen = NewCheck(Frame1[14], "Chk_rainen", QStringLiteral("来年"), true);
  AddWide(grid(14), Chk_rainen);
  // ToDo
  {
    QGroupBox* f = Frame1[15];
    auto* g = grid(15);
    Txt_KmkSu = NewBox(f, "Txt_KmkSu", QStringLiteral("7"), 4);
    Cmb_jikan = NewList(f, "Cmb_jikan");
    AddRow(g, QStringLiteral("項目数(7～40):"), Txt_KmkSu);
    AddWide(g, Cmb_jikan);
    AddWide(g, new QLabel(QStringLiteral("時間目盛により、１日分の予定表として使える"), f));
  }
  // ToDo横, 付箋貼付用紙
  txt_todoYoko_item = NewBox(Frame1[16], "txt_todoYoko_item", QStringLiteral("12"), 4);
  AddRow(grid(16), QStringLiteral("項目数(7～40):"), txt_todoYoko_item);
  txt_waku = NewBox(Frame1[17], "txt_waku", QStringLiteral("3"), 4);
  AddRow(grid(17), QStringLiteral("枠の数:"), txt_waku);
  // 格子
  {
    QGroupBox* f = Frame1[18];
    auto* g = grid(18);
    chk_kosi = NewCheck(f, "chk_kosi", QStringLiteral("入力ガイド付"), true);
    cmb_kosi = NewList(f, "cmb_kosi");
    lbl_kosi_kadai = WithObjectName(new QLabel(QStringLiteral("主題(検討する課題)"), f), "lbl_kosi_kadai");
    txt_kosi = NewBox(f, "txt_kosi");
    AddWide(g, chk_kosi);
    AddWide(g, cmb_kosi);
    AddWide(g, lbl_kosi_kadai);
    AddWide(g, txt_kosi);
  }
  // 議事録
  {
    QGroupBox* f = Frame1[19];
    auto* g = grid(19);
    chk_gijiroku_sirusi = NewCheck(f, "chk_gijiroku_sirusi", QStringLiteral("罫線の目印"), true);
    txt_gijiroku_yokokei = NewBox(f, "txt_gijiroku_yokokei", QStringLiteral("4"), 4);
    AddWide(g, chk_gijiroku_sirusi);
    AddRow(g, QStringLiteral("横罫の間隔　　　　ミリ"), txt_gijiroku_yokokei);
  }
  grid(20);

  // The design list at the left, the common boxes and the one frame shown at the right.
  auto* outer = new QHBoxLayout(this);
  outer->addWidget(Cmb_Type);
  auto* right = new QVBoxLayout;
  auto* top = new QGridLayout;
  top->addWidget(new QLabel(QStringLiteral("題"), this), 0, 0);
  top->addWidget(Txt_Title, 0, 1, 1, 3);
  top->addWidget(chk_hizuke, 0, 4);
  top->addWidget(Cmb_men, 1, 1);
  top->addWidget(Txt_maisu, 1, 2);
  top->addWidget(new QLabel(QStringLiteral("枚"), this), 1, 3);
  top->addWidget(Cmd_print, 1, 4);
  right->addLayout(top);
  for (QGroupBox* frame : Frame1) right->addWidget(frame);
  right->addStretch();
  outer->addLayout(right, 1);
}
