// The address import of 10,000 rows into a book of 10,000 entries, through
// the window's handler as a user starts it (boxes and dialog answered), and
// both exports for the mail add-in over 10,000 entries.
#include <QDir>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "address/AddressRecord.h"
#include "address/windows/AddressWindow.h"
#include "address/MailListHtml.h"
#include "address/PhoneListExport.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRewrite.h"

namespace {

QStringList BookLines(int entries) {
  QStringList lines{kAddressHeader};
  for (int i = 0; i < entries; ++i) {
    AddressRecord r;
    r.setField(kFieldKana, QStringLiteral("ｶﾅ%1").arg(i * 2, 6, 10, QChar(u'0')));
    r.setField(kFieldBunrui, QStringLiteral("友人"));
    r.setField(kFieldName, QStringLiteral("名前%1").arg(i));
    r.setField(kFieldTel, QStringLiteral("090-%1").arg(i));
    r.setField(kFieldFlags, QStringLiteral("0|1|0|0|0|0|0|"));
    r.setField(kFieldMail, QStringLiteral("n%1@example.jp").arg(i));
    r.setField(kFieldUrl, QStringLiteral("www.example.jp/%1").arg(i));
    lines << r.toLine();
  }
  return lines;
}

// Rows between and beside the book's readings, a tenth of them already there.
QByteArray SourceCsv(int rows) {
  QString text = QStringLiteral("ﾌﾘｶﾞﾅ,氏名,電話,郵便番号,住所,E-mail,誕生日\r\n");
  for (int i = 0; i < rows; ++i) {
    const bool known = i % 10 == 0;
    text += QStringLiteral("ｶﾅ%1,名前%2,03-%2,100-0001,東京都,x%2@example.jp,19990101\r\n")
                .arg(known ? i * 2 : i * 2 + 1, 6, 10, QChar(u'0'))
                .arg(i);
  }
  return platform::ToSjis(text);
}

struct Folder {
  QTemporaryDir dir;
  Folder() {
    SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
    QDir().mkpath(BackupFolder);
  }
  QString file(const char* name) const { return dir.path() + u'/' + QLatin1String(name); }
};

void BM_ImportIntoBook(benchmark::State& state) {
  Folder folder;
  const QString source = folder.file("source.csv");
  QFile out(source);
  out.open(QIODevice::WriteOnly);
  out.write(SourceCsv(int(state.range(0))));
  out.close();
  const QStringList book = BookLines(int(state.range(1)));
  platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(source); });
  AddressWindow window;
  window.Form_Load();
  for (auto _ : state) {
    state.PauseTiming();
    WriteDataFile(window.AddressFileLocalPath(), book);
    state.ResumeTiming();
    window.Cmd_Fileimport_Click();
  }
  // Entries in the book after the last run, so a run that imported nothing
  // shows.
  QStringList after;
  platform::ReadTextLines(window.AddressFileLocalPath(), after);
  state.counters["entries"] = double(after.size() - 1);
  platform::SetFileDialogHandler({});
  platform::SetMessageHandler({});
}

void BM_PhoneList(benchmark::State& state) {
  const QStringList book = BookLines(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildPhoneListText(book, QString(), false));
}

void BM_MailListHtml(benchmark::State& state) {
  Folder folder;
  const QStringList book = BookLines(int(state.range(0)));
  for (auto _ : state) WriteMailListHtml(book, QString());
}

}  // namespace

BENCHMARK(BM_ImportIntoBook)->Args({10000, 10000})->Args({1000, 10000})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PhoneList)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MailListHtml)->Arg(10000)->Unit(benchmark::kMillisecond);
