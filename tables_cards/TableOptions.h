#pragma once
// Everything the table window shows, as list positions and check values, so
// that reading, writing and templates work without the window.
#include <QString>
#include <array>
#include <cstdint>

struct TableOptions {
  QString title;     // Txt_Title
  QString heading;   // Txt_MidasiRetu: one CSV line
  QString body;      // Txt_Data: rows joined by CR LF
  QString remarks;   // Txt_biko

  int16_t colsPos = 3;                  // Cmb_retu: p + 1 equal columns, -1 none
  std::array<int16_t, 9> widthPos{};    // Cmb_retu_haba: k * 5 mm, 0 none
  int16_t rowsPos = 0;                  // Cmb_gyou: p + 3 rows a page
  int16_t coln = 0;                     // cmb_coln: 1 = running-number column
  int16_t keisenYoko = 1;               // cmb_keisen_yoko: rule every n rows
  int16_t fontSizePos = 0;              // cmb_size(0): 0 = "ﾃﾞﾌｫﾙﾄ"
  int16_t men = 0;                      // Cmb_men
  int16_t amikakeCol = 0;               // cmb_amikake_col: shaded columns

  int16_t yoko = 0;         // Chk_yoko
  int16_t notitle = 0;      // chk_notitle
  int16_t midasi = 0;       // Chk_midasi: 1 = heading row not printed
  int16_t midasiAmi = 1;    // chk_midasiAmi
  int16_t keisen = 0;       // Chk_keisen: 1 = no vertical rules
  int16_t amikake = 0;      // chk_amikake
  int16_t wakuHosome = 0;   // chk_waku_hosome
  int16_t tensen = 0;       // chk_tensen
  int16_t biko2 = 0;        // chk_biko2
  int16_t date = 0;         // chk_date
  int16_t page = 0;         // Chk_Page

  bool operator==(const TableOptions&) const = default;
};

// Sizes of the window's lists.
constexpr int16_t kTableColumnItems = 32;     // 1列 .. 32列
constexpr int16_t kTableWidthItems = 41;      // "", 5mm .. 200mm
constexpr int16_t kTableRowItems = 58;        // 3行 .. 60行
constexpr int16_t kTableRuleItems = 5;
constexpr int16_t kTableSideItems = 9;
constexpr int16_t kTableSuperOrganiserSide = 8;  // "超整理型"
