#pragma once
// What the page drawers of the ruled-paper window read of its controls, taken
// when each page is drawn. Members carry the controls' names; check boxes
// hold 0 or 1, option groups and lists their selected index (-1 for none).
// A drawer that corrects a value writes it back here, and the window then
// puts it into its box, so the user sees what was printed.
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>

struct RuledPaperOptions {
  QString Txt_Title;
  bool chk_hizuke_visible = false;
  int16_t chk_hizuke = 0;

  // Graph and dot paper (the cell size comes with the print job).
  int16_t chk_hougan_yaku = 1;
  int16_t chk_hougan_tensen = 0;

  // Number-place grid.
  QString txt_keisen_honsu = QStringLiteral("9");
  QString txt_keisen_futoji = QStringLiteral("3");
  QString Txt_keisen_yohaku = QStringLiteral("8");

  // Ruled paper.
  int Cmb_GyouKanakaku = 5;
  int16_t cmb_bunruisen[2] = {0, 0};
  int16_t Chk_checkL = 0;
  int16_t Chk_Tatekei = 0;

  // Staff paper.
  int16_t chk_5yoko = 0;
  QString txt_5kankaku = QStringLiteral("20");
  QString Txt_5haba = QStringLiteral("2");

  // Ruler.
  QString Txt_monosasi;

  // Health sheet; the fill call gives the date kinds, today and the switches.
  QStringList Cmb_kenko_items;
  int Cmb_kenko = 0;
  QString txt_kenko_yyyymmdd;
  QString txt_taijyu;
  int16_t chk_kenko_seikatu = 0;
  int16_t chk_kenko_hosuu = 0;
  int16_t Chk_kenko_taion_grapth = 0;
  int16_t Chk_kenko_taijyu_grapth = 0;
  int16_t Chk_kenko_cycle = 0;
  int16_t Chk_kenko_taisibou = 0;
  int16_t Chk_kenko_ketuatu_grapth = 0;
  int16_t Chk_kenko_kusuri = 0;
  int16_t Chk_kenko_ketuatu = 0;

  // Manuscript paper and go board.
  int Opt_genko_type = 2;
  QString txt_genko_meyasu = QStringLiteral("12");
  int Opt_igo_masume = 0;

  // Shogi board, risk, shop list and project sheets.
  QString txt_syougi_title;
  QString txt_syougi_biko;
  QString txt_risk_yokokei = QStringLiteral("4");
  QString txt_shop_gyou = QStringLiteral("3");
  int16_t Chk_pro_cost = 0;
  int16_t Chk_pro_nouki = 1;
  int16_t Chk_pro_mony = 1;
  int16_t chk_pro_kokyaku = 1;
  int16_t Chk_pro_caver = 0;

  // Age table.
  int16_t Chk_rainen = 1;

  // To-do sheets; the fill call gives the item count and the hour scales.
  QString Txt_KmkSu = QStringLiteral("7");
  QStringList Cmb_jikan_items;
  int Cmb_jikan = -1;
  QString txt_todoYoko_item = QStringLiteral("12");
  QString txt_waku = QStringLiteral("3");

  // Lattice sheet; the fill call gives the layouts.
  int16_t chk_kosi = 1;
  QString txt_kosi;
  QStringList cmb_kosi_items;
  int cmb_kosi = -1;

  // Minutes.
  int16_t chk_gijiroku_sirusi = 1;
  QString txt_gijiroku_yokokei = QStringLiteral("4");

  // One-point picture.
  int cmb_image_iti = 3;
  QImage Picture1;
};
