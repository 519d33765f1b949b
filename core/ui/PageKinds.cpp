#include "PageKinds.h"

#include <vector>

namespace {

using C = std::array<QString, kFileItemCount>;

// Order of the captions: New, Read, Write, Import, Export, Search, Help.
const std::vector<PageKindInfo>& table() {
  static const std::vector<PageKindInfo> rows = {
      {"action", "mnu_FrmAction",
       C{QStringLiteral("Todoファイル新規作成"), QStringLiteral("Todoファイルの読込"), QString(), QString(),
         QStringLiteral("済んだ内容を「済.txt」ファイルに書き出す。"), QString(),
         QStringLiteral("ヘルプ(ToDo操作方法)")}},
      {"memo", "mnu_frmMemo",
       C{QStringLiteral("メモファイルの新規作成"), QStringLiteral("メモファイルの読込"), QString(), QString(), QString(),
         QStringLiteral("検索"), QStringLiteral("ヘルプ(メモの書き方)")}},
      {"table", "mnu_FrmTable",
       C{QString(), QStringLiteral("ＣＳＶファイルの読込"), QStringLiteral("ＣＳＶファイルの書出"), QString(), QString(), QString(),
         QStringLiteral("ヘルプ(ＣＳＶファイルとは？)")}},
      {"yotei", "mnu_frmCalender",
       C{QStringLiteral("予定ファイルの新規作成"), QStringLiteral("予定ファイルの読込"), QString(),
         QStringLiteral("他ソフトの予定内容のインポート"), QStringLiteral("予定内容のエクスポート"), QString(),
         QStringLiteral("ヘルプ(予定の入力方法)")}},
      {"tel", "mnu_frmTel",
       C{QStringLiteral("電話帳ファイルの新規作成"), QStringLiteral("電話帳ファイルの読込"),
         QStringLiteral("電話一覧をメールする"), QStringLiteral("他ソフトの電話帳(CSVﾌｧｲﾙ)をインポート"), QString(),
         QStringLiteral("検索"), QStringLiteral("ヘルプ(便利な使いかた)")}},
      {"picture", "mnu_FrmPicture",
       C{QString(), QStringLiteral("画像ファイルの読込"), QStringLiteral("画像ファイルの書出"),
         QStringLiteral("クリップボード読込"), QString(), QString(), QStringLiteral("ヘルプ(印刷できないとき)")}},
      {"yousi", "mnu_FrmYousi", C{}},
      {"tree", "mnu_FrmTree",
       C{QString(), QStringLiteral("ＣＳＶファイルの読込"), QStringLiteral("ＣＳＶファイルの書出"), QString(), QString(), QString(), QString()}},
      {"gant", "mnu_FrmGant",
       C{QString(), QStringLiteral("ＣＳＶファイルの読込"), QStringLiteral("ＣＳＶファイルの書出"), QString(), QString(), QString(),
         QStringLiteral("ヘルプ(データの記入方法)")}},
      {"csv", "mnu_FrmCsv",
       C{QString(), QStringLiteral("ＣＳＶファイルの読込"), QStringLiteral("ＣＳＶファイルに印刷位置を追記(書出)"), QString(),
         QString(), QString(), QString()}},
  };
  return rows;
}

}  // namespace

const PageKindInfo* FindPageKind(const QString& keyword) {
  const QString lower = keyword.toLower();
  for (const PageKindInfo& row : table())
    if (lower == QLatin1String(row.kind)) return &row;
  return nullptr;
}

QString PageCommandButtonName(FileItem item, const QString& pageKind) {
  static const char* const buttons[kFileItemCount] = {"cmd_FileNew",    "Cmd_FileRead",   "Cmd_FileWrite",
                                                      "Cmd_Fileimport", "Cmd_FileExport", "Cmd_FileSearch",
                                                      "Cmd_help"};
  // The address window's search is a button of its own.
  if (item == FileItem::Search && pageKind.compare(QLatin1String("tel"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Cmd_FileSearch2");
  return QString::fromLatin1(buttons[static_cast<int>(item)]);
}

const std::array<const char*, 10>& PageItemNames() {
  static const std::array<const char*, 10> names = {
      "mnu_FrmAction", "mnu_FrmGant",    "mnu_frmMemo",    "mnu_FrmTable", "mnu_frmCalender",
      "mnu_frmTel",    "mnu_FrmPicture", "mnu_FrmYousi",   "mnu_FrmTree",  "mnu_FrmCsv"};
  return names;
}
