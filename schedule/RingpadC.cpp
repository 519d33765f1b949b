#include "RingpadC.h"

#include <QPushButton>

RingpadC::RingpadC(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("予定表 (カレンダー/日記)"));
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_FileSearch = NewCommandButton("Cmd_FileSearch");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  cmd_toclip = NewCommandButton("cmd_toclip", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ設定"));
  ArrangeInRow({Cmd_print, cmd_toclip});
}

void RingpadC::Form_Load() {}
