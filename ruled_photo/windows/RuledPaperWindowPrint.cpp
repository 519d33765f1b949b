// The print button, and the snapshot of the controls that the drawers read.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QRadioButton>

#include "RuledDesignPage.h"
#include "RuledPaperOptions.h"
#include "RuledPaperPrintJob.h"
#include "RuledPaperWindow.h"
#include "core/print/PrintJob.h"
#include "core/dates/DateLists.h"

namespace {

int16_t Value(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

template <size_t N>
int Selected(const std::array<QRadioButton*, N>& group) {
  for (size_t i = 0; i < N; ++i)
    if (group[i]->isChecked()) return int(i);
  return -1;
}

void Put(QLineEdit* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}
void Put(QCheckBox* box, int16_t value) {
  if (box->isChecked() != (value == 1)) box->setChecked(value == 1);
}
void Put(QComboBox* list, const QStringList& items, int index) {
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
  if (!items.isEmpty() && shown != items) {
    list->clear();
    list->addItems(items);
  }
  if (list->currentIndex() != index) list->setCurrentIndex(index);
}

class WindowPages : public RuledPageSink {
 public:
  explicit WindowPages(RuledPaperWindow& window) : window_(window) {}
  void setBusy(bool busy) override {
    if (busy)
      BeginBusy(&window_);
    else
      EndBusy(&window_);
  }
  void drawPage(int design, double left, double right, RuledJobState& job) override {
    RuledPaperOptions o = window_.ReadOptions();
    DrawRuledDesignPage(design, o, left, right, job);
    window_.WriteBackOptions(o);
  }

 private:
  RuledPaperWindow& window_;
};

}  // namespace

RuledPaperOptions RuledPaperWindow::ReadOptions() const {
  RuledPaperOptions o;
  o.Txt_Title = Txt_Title->text();
  o.chk_hizuke_visible = !chk_hizuke->isHidden();
  o.chk_hizuke = Value(chk_hizuke);
  o.chk_hougan_yaku = Value(chk_hougan_yaku);
  o.chk_hougan_tensen = Value(chk_hougan_tensen);
  o.txt_keisen_honsu = txt_keisen_honsu->text();
  o.txt_keisen_futoji = txt_keisen_futoji->text();
  o.Txt_keisen_yohaku = Txt_keisen_yohaku->text();
  o.Cmb_GyouKanakaku = Cmb_GyouKanakaku->currentIndex();
  o.cmb_bunruisen[0] = int16_t(cmb_bunruisen[0]->currentIndex());
  o.cmb_bunruisen[1] = int16_t(cmb_bunruisen[1]->currentIndex());
  o.Chk_checkL = Value(Chk_checkL);
  o.Chk_Tatekei = Value(Chk_Tatekei);
  o.chk_5yoko = Value(chk_5yoko);
  o.txt_5kankaku = txt_5kankaku->text();
  o.Txt_5haba = Txt_5haba->text();
  o.Txt_monosasi = Txt_monosasi->text();
  o.Cmb_kenko = Cmb_kenko->currentIndex();
  o.txt_kenko_yyyymmdd = txt_kenko_yyyymmdd->text();
  o.txt_taijyu = txt_taijyu->text();
  o.chk_kenko_seikatu = Value(chk_kenko_seikatu);
  o.chk_kenko_hosuu = Value(chk_kenko_hosuu);
  o.Chk_kenko_taion_grapth = Value(Chk_kenko_taion_grapth);
  o.Chk_kenko_taijyu_grapth = Value(Chk_kenko_taijyu_grapth);
  o.Chk_kenko_cycle = Value(Chk_kenko_cycle);
  o.Chk_kenko_taisibou = Value(Chk_kenko_taisibou);
  o.Chk_kenko_ketuatu_grapth = Value(Chk_kenko_ketuatu_grapth);
  o.Chk_kenko_kusuri = Value(Chk_kenko_kusuri);
  o.Chk_kenko_ketuatu = Value(Chk_kenko_ketuatu);
  o.Opt_genko_type = Selected(Opt_genko_type);
  o.txt_genko_meyasu = txt_genko_meyasu->text();
  o.Opt_igo_masume = Selected(Opt_igo_masume);
  o.txt_syougi_title = txt_syougi_title->text();
  // The remarks are several lines; the drawer reads them with CR LF between.
  o.txt_syougi_biko = txt_syougi_biko->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
  o.txt_risk_yokokei = txt_risk_yokokei->text();
  o.txt_shop_gyou = txt_shop_gyou->text();
  o.Chk_pro_cost = Value(Chk_pro_cost);
  o.Chk_pro_nouki = Value(Chk_pro_nouki);
  o.Chk_pro_mony = Value(Chk_pro_mony);
  o.chk_pro_kokyaku = Value(chk_pro_kokyaku);
  o.Chk_pro_caver = Value(Chk_pro_caver);
  o.Chk_rainen = Value(Chk_rainen);
  o.Txt_KmkSu = Txt_KmkSu->text();
  o.Cmb_jikan = Cmb_jikan->currentIndex();
  o.txt_todoYoko_item = txt_todoYoko_item->text();
  o.txt_waku = txt_waku->text();
  o.chk_kosi = Value(chk_kosi);
  o.txt_kosi = txt_kosi->text();
  o.cmb_kosi = cmb_kosi->currentIndex();
  o.chk_gijiroku_sirusi = Value(chk_gijiroku_sirusi);
  o.txt_gijiroku_yokokei = txt_gijiroku_yokokei->text();
  o.cmb_image_iti = cmb_image_iti->currentIndex();
  o.Picture1 = OnePointPicture;
  return o;
}

void RuledPaperWindow::WriteBackOptions(const RuledPaperOptions& o) {
  Put(txt_keisen_honsu, o.txt_keisen_honsu);
  Put(txt_keisen_futoji, o.txt_keisen_futoji);
  Put(Txt_keisen_yohaku, o.Txt_keisen_yohaku);
  Put(Cmb_kenko, o.Cmb_kenko_items, o.Cmb_kenko);
  Put(txt_kenko_yyyymmdd, o.txt_kenko_yyyymmdd);
  Put(chk_kenko_hosuu, o.chk_kenko_hosuu);
  Put(Chk_kenko_cycle, o.Chk_kenko_cycle);
  Put(Chk_kenko_ketuatu, o.Chk_kenko_ketuatu);
  Put(Chk_kenko_ketuatu_grapth, o.Chk_kenko_ketuatu_grapth);
  Put(Chk_kenko_taijyu_grapth, o.Chk_kenko_taijyu_grapth);
  Put(Chk_kenko_taion_grapth, o.Chk_kenko_taion_grapth);
  Put(Chk_kenko_taisibou, o.Chk_kenko_taisibou);
  Put(Chk_kenko_kusuri, o.Chk_kenko_kusuri);
  Put(chk_kenko_seikatu, o.chk_kenko_seikatu);
  Put(Txt_KmkSu, o.Txt_KmkSu);
  Put(Cmb_jikan, o.Cmb_jikan_items, o.Cmb_jikan);
  Put(txt_todoYoko_item, o.txt_todoYoko_item);
  Put(txt_waku, o.txt_waku);
  Put(cmb_kosi, o.cmb_kosi_items, o.cmb_kosi);
  Put(txt_gijiroku_yokokei, o.txt_gijiroku_yokokei);
}

void RuledPaperWindow::Cmd_print_Click() {
  RuledPrintRequest r;
  r.design = Cmb_Type->currentRow();
  r.side = Cmb_men->currentIndex();
  if (const QListWidgetItem* item = Cmb_Type->currentItem()) r.designCaption = item->text();
  r.sideCaption = Cmb_men->currentText();
  r.sheetsText = Txt_maisu->text();
  r.startDateText = txt_kenko_yyyymmdd->text();
  r.healthDateKind = Cmb_kenko->currentIndex();
  r.cellSizeIndex = Cmb_Size->currentIndex();
  r.nextYear = Chk_rainen->isChecked() ? 1 : 0;
  r.thisYear = ScheduleToday().year();
  WindowPages pages(*this);
  RunRuledPaperPrint(r, pages);
}
