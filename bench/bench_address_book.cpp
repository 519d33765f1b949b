// The address window on a big address book: opening it on 10,000 and
// 100,000 entries (reading and splitting every line, the category filter,
// the entry list), filling the list under several filters, showing an entry
// and adding one. Each fill reads and splits the whole file, so the times
// grow with it, but no more than in step with it.
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

#include "BenchSupport.h"
#include "address/AddressRecord.h"
#include "address/windows/AddressWindow.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

namespace {

const char* const kCategories[] = {"友人", "仕事", "知人", "自分", "得意先", "趣味"};

// A program folder of its own holding a book of the given entries, written
// as the entry editor writes them (every field quoted, 21 fields or more).
struct AddressBookHome {
  QTemporaryDir dir;
  explicit AddressBookHome(int entries = 0) {
    qputenv("RINGPAD_HOME", dir.path().toLocal8Bit());
    QDir::setCurrent(dir.path());
    SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
    QDir().mkpath(BackupFolder);
    WriteDefaultSettings();
    LoadPaperSettings(0);
    platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
    if (entries > 0) WriteBook(entries);
  }
  static void WriteBook(int entries) {
    QStringList lines{kAddressHeader};
    for (int i = 0; i < entries; ++i) {
      AddressRecord r;
      r.setField(kFieldKana, QStringLiteral("ｶﾅ%1").arg(i, 6, 10, QChar(u'0')));
      r.setField(kFieldBunrui, QString::fromUtf8(kCategories[i % 6]));
      r.setField(kFieldName, QStringLiteral("名前%1").arg(i));
      r.setField(kFieldTel, QStringLiteral("090-%1").arg(i));
      r.setField(kFieldJitaku, QStringLiteral("03-1234-%1").arg(i % 10000, 4, 10, QChar(u'0')));
      r.setField(kFieldFlags, i % 3 ? QStringLiteral("0|1|0|0|0|0|0|") : QStringLiteral("0|0|0|0|0|0|0|"));
      r.setField(kFieldKaisyaName, QStringLiteral("株式会社%1商事").arg(i % 997));
      r.setField(kFieldZip, QStringLiteral("100-%1").arg(i % 10000, 4, 10, QChar(u'0')));
      r.setField(kFieldAddress1, QStringLiteral("東京都千代田区千代田%1").arg(i));
      r.setField(kFieldMail, QStringLiteral("name%1@example.jp").arg(i));
      r.setField(kFieldBikou3, QStringLiteral("一行目\r\n二行目"));
      lines << r.toLine();
    }
    QFile file(ProgramFolder + QStringLiteral("doZir.csv"));
    file.open(QIODevice::WriteOnly);
    file.write(platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  }
};

std::unique_ptr<AddressWindow> LoadedWindow() {
  auto w = std::make_unique<AddressWindow>();
  w->Form_Load();
  return w;
}

// The window opened as the main window opens it: built, loaded, activated
// and shown, its list laid out. The first window of the program opens on
// the sample book before the big one is written, so that what Qt sets up
// once (fonts, styles) is not counted against the book; closing the window
// is not timed.
void BM_OpenWindow(benchmark::State& state) {
  const AddressBookHome home;
  LoadedWindow();
  AddressBookHome::WriteBook(int(state.range(0)));
  for (auto _ : state) {
    auto w = std::make_unique<AddressWindow>();
    {
      const CountedRegion counted;
      w->Form_Load();
      w->Form_Activate();
      w->show();
      QCoreApplication::processEvents();
    }
    benchmark::DoNotOptimize(w->List1->count());
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
}

void BM_FillList(benchmark::State& state) {
  const AddressBookHome home(10000);
  std::unique_ptr<AddressWindow> w = LoadedWindow();
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
  const AddressBookHome home(10000);
  std::unique_ptr<AddressWindow> w = LoadedWindow();
  w->List1->setCurrentRow(w->List1->count() / 2);
  for (auto _ : state) w->cmd_update_click(0);
}

void BM_AddEntry(benchmark::State& state) {
  const AddressBookHome home(10000);
  std::unique_ptr<AddressWindow> w = LoadedWindow();
  for (auto _ : state) {
    w->Txt_Kana->setText(QStringLiteral("ｶﾅ005000"));
    w->Txt_Name->setText(QStringLiteral("追加"));
    w->Cmb_bunruiM->setEditText(QStringLiteral("友人"));
    w->cmd_update_click(1);
  }
}

}  // namespace

BENCHMARK(BM_OpenWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
// The gate: opening on ten times the entries costs at most eleven times the
// instructions, which no load on the machine changes.
const int kOpenCounted = RegisterInstructionCounts("BM_OpenWindow", {10000, 100000});
BENCHMARK(BM_FillList)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEntry)->Unit(benchmark::kMillisecond)->Iterations(5);
