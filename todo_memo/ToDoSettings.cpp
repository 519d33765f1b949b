#include "ToDoSettings.h"

#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"

namespace todo {

QString RecentSlotKey(int slot) { return QStringLiteral("FILE%1").arg(slot); }

QStringList EnsureRecentSlots() {
  QStringList recent;
  for (int n = 0; n < kRecentSlotCount; ++n) {
    const QString fallback = n == 0 ? kDefaultToDoFile : QStringLiteral("JXTOD%1.txt").arg(n);
    recent << GetIniValueOrDefault(kToDoSection, RecentSlotKey(n), fallback);
  }
  return recent;
}

QString InProgramFolder(const QString& stored) {
  if (stored.contains(u'\\') || stored.contains(u'/')) return stored;
  return ProgramFolder + stored;
}

QString LocalPath(const QString& path) {
  QString local = path;
  return local.replace(u'\\', u'/');
}

bool SameStoredPath(const QString& first, const QString& second) {
  return LocalPath(first).compare(LocalPath(second), Qt::CaseInsensitive) == 0;
}

int SlotOfFile(const QStringList& recent, const QString& path) {
  int found = 0;
  for (int n = 0; n < recent.size(); ++n)
    if (SameStoredPath(InProgramFolder(recent[n]), path)) found = n;
  return found;
}

QString EnsureStatusMarks() {
  const QString key = QStringLiteral("SUMI");
  QString marks = GetIniValue(kToDoSection, key);
  if (marks.isEmpty()) {
    marks = QStringLiteral("□■");
    WriteIniValue(kToDoSection, key, marks);
    WriteIniValue(kToDoSection, QStringLiteral(";SUMI"), QStringLiteral("□着待■"));
  }
  return marks;
}

QString StatusMarkCycleOf(const QString& marks) { return marks + marks.left(1); }

QChar DoneMarkOf(const QString& statusMarkCycle) {
  return statusMarkCycle.size() < 2 ? QChar() : statusMarkCycle.at(statusMarkCycle.size() - 2);
}

QString RowsPerPageText(const QString& stored) {
  bool ok = false;
  const int rows = stored.trimmed().toInt(&ok);
  return ok && rows >= 7 && rows <= 40 ? stored : QStringLiteral("20");
}

QStringList ToDoSampleLines(const QString& homePage) {
  const QString name = QStringLiteral("Ringpad");
  const QString item = QStringLiteral("□ 　");
  return {QStringLiteral("□ ") + name + QStringLiteral("の使用法"),
          item + QStringLiteral("上のメニューで印刷したい用紙を選びます。"),
          item + QStringLiteral("次に印刷ボタンを押せば、手帳用紙が印刷されます。"),
          item + QStringLiteral("用紙ｻｲｽﾞは上のﾒﾆｭｰのﾌｧｲﾙ->用紙ｻｲｽﾞ設定で選べます。"),
          item + QStringLiteral("専用用紙でなく、市販の手帳用紙に直接印刷します。"),
          QStringLiteral("□ ToDoの活用"),
          item + QStringLiteral("修正したいTODO項目をダブルクリックし表示させ、"),
          item + QStringLiteral("内容を修正して、更新ボタンを押す。"),
          item + QStringLiteral("TODO項目を選択して、削除ボタンで１行消せます"),
          item + QStringLiteral("TODO項目をｶﾚﾝﾀﾞｰにﾄﾞﾗｯｸﾞﾄﾞﾛｯﾌﾟで予定表に書込めます。"),
          QStringLiteral("□ ") + name + QStringLiteral("のバージョンアップ"),
          item + homePage};
}

}  // namespace todo
