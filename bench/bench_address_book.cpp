// The address window on an address book of 10,000 entries: loading the
// window, filling the list under several filters, showing an entry and adding
// one. Each fill reads and splits the whole file, so the times grow with it.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "address/AddressRecord.h"
#include "address/windows/AddressWindow.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRewrite.h"

namespace {

const char* const kCategories[] = {"友人", "仕事", "知人", "自分", "得意先", "趣味"};

struct AddressBook {
  QTemporaryDir dir;
  explicit AddressBook(int entries) {
    SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
    QDir().mkpath(BackupFolder);
    QStringList lines{kAddressHeader};
    for (int i = 0; i < entries; ++i) {
      AddressRecord r;
      r.setField(kFieldKana, QStringLiteral("ｶﾅ%1").arg(i, 6, 10, QChar(u'0')));
      r.setField(kFieldBunrui, QString::fromUtf8(kCategories[i % 6]));
      r.setField(kFieldName, QStringLiteral("名前%1").arg(i));
      r.setField(kFieldTel, QStringLiteral("090-%1").arg(i));
      r.setField(kFieldFlags, i % 3 ? QStringLiteral("0|1|0|0|0|0|0|") : QStringLiteral("0|0|0|0|0|0|0|"));
      r.setField(kFieldAddress1, QStringLiteral("東京都千代田区千代田%1").arg(i));
      lines << r.toLine();
    }
    WriteDataFile(dir.path() + QStringLiteral("/doZir.csv"), lines);
  }
};

AddressWindow* LoadedWindow() {
  auto* w = new AddressWindow;
  w->Form_Load();
  return w;
}

void BM_LoadWindow(benchmark::State& state) {
  AddressBook book(int(state.range(0)));
  for (auto _ : state) delete LoadedWindow();
}

void BM_FillList(benchmark::State& state) {
  AddressBook book(10000);
  std::unique_ptr<AddressWindow> w(LoadedWindow());
  const char* filters[] = {"全て", "プライベート", "その他", "全て"};
  const QString filter = QString::fromUtf8(filters[state.range(0)]);
  w->Cmb_bunrui->setCurrentIndex(w->Cmb_bunrui->findText(filter));
  if (state.range(0) == 3) {  // an active find
    w->FindFlag = 1;
    w->FindKeyValues.key1[0] = QStringLiteral("友人");
    w->FindKeyValues.key2[0] = QStringLiteral("090-1");
  }
  for (auto _ : state) w->FillAddressList();
  state.SetLabel(filter.toStdString() + (state.range(0) == 3 ? " + find" : ""));
}

void BM_ShowEntry(benchmark::State& state) {
  AddressBook book(10000);
  std::unique_ptr<AddressWindow> w(LoadedWindow());
  w->List1->setCurrentRow(w->List1->count() / 2);
  for (auto _ : state) w->cmd_update_click(0);
}

void BM_AddEntry(benchmark::State& state) {
  AddressBook book(10000);
  std::unique_ptr<AddressWindow> w(LoadedWindow());
  for (auto _ : state) {
    w->Txt_Kana->setText(QStringLiteral("ｶﾅ005000"));
    w->Txt_Name->setText(QStringLiteral("追加"));
    w->Cmb_bunruiM->setEditText(QStringLiteral("友人"));
    w->cmd_update_click(1);
  }
}

}  // namespace

BENCHMARK(BM_LoadWindow)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillList)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEntry)->Unit(benchmark::kMillisecond)->Iterations(5);
