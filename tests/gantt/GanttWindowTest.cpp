// The Gantt window: samples, the remembered file, reading and writing, and
// a new user's way from the main window's menu to a saved chart.
#include <QAction>
#include <QCoreApplication>
#include <QCheckBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "GanttTestSupport.h"
#include "app/RegisterPages.h"
#include "charts/GanttFile.h"
#include "core/platform/Codec.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"
#include "core/ui/ShowSettingsForm.h"

namespace {
QStringList Items(const QComboBox* c) {
  QStringList out;
  for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
  return out;
}

void ChooseTitle(GanttWindow& w, int index) {
  w.Cmb_title->setCurrentIndex(index);
  emit w.Cmb_title->activated(index);
}

void ScriptFileDialog(const QString& path, platform::FileDialogRequest* seen = nullptr) {
  platform::SetFileDialogHandler([path, seen](const platform::FileDialogRequest& r) {
    if (seen) *seen = r;
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
  });
}
}  // namespace

TEST_F(GanttTest, LoadFillsTheListsAndSamplesSetTheirOptions) {
  GanttWindow& win = Open();
  EXPECT_EQ(Items(win.Cmb_title), (QStringList{"", "クリア", "予定と実績の対比", "進捗の％で塗るケース",
                                               "プログラム製造管理さんぷる", "工程管理さんぷる"}));
  EXPECT_EQ(Items(win.cmb_level), (QStringList{"全体", "サマリー", "明細"}));
  EXPECT_EQ(Items(win.Cmb_men), (QStringList{"表", "裏", "A4"}));
  EXPECT_EQ(win.cmb_height->count(), 7);
  EXPECT_TRUE(win.chk_jisseki->isChecked());
  for (QComboBox* c : {win.cmb_box, win.cmb_start, win.cmb_span, win.cmb_sort, win.cmb_height, win.cmb_level})
    EXPECT_EQ(c->currentIndex(), 0) << c->objectName().toStdString();

  const struct { int sort; QStringList levels; } sorts[] = {
      {1, {"全体", "?担当別"}}, {2, {"全体", "?月別"}}, {3, {"全体", "?サマリー"}}, {0, {"全体", "サマリー", "明細"}}};
  for (const auto& s : sorts) {
    win.cmb_sort->setCurrentIndex(s.sort);
    EXPECT_EQ(Items(win.cmb_level), s.levels);
  }

  win.Cmb_men->setCurrentIndex(2);
  ChooseTitle(win, 4);
  EXPECT_EQ(win.Cmb_men->currentIndex(), 0);
  EXPECT_TRUE(win.chk_autocolor->isChecked());
  EXPECT_EQ(win.cmb_box->currentIndex(), 2);
  EXPECT_TRUE(win.txt_data->toPlainText().startsWith(QStringLiteral("名称            ,ID     ,担当,STEP,")));
  ChooseTitle(win, 2);
  EXPECT_FALSE(win.chk_autocolor->isChecked());
  EXPECT_EQ(win.cmb_box->currentIndex(), 0);
  const QStringList lines = win.txt_data->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_EQ(lines.value(2), QStringLiteral(" ▽役員レビュー,2002/03/31"));
  EXPECT_EQ(lines.last().left(8), QStringLiteral(" ステップ10,"));
  EXPECT_EQ(win.Cmb_title->currentText(), QStringLiteral("予定と実績の対比"));

  // Every sample prints one or more pages without a blank line cutting it.
  for (int sample = 2; sample <= 5; ++sample) {
    drawn.clear();
    ChooseTitle(win, sample);
    win.Cmd_print_Click();
    ASSERT_FALSE(drawn.empty()) << sample;
    EXPECT_EQ(drawn[0].lines.size(), win.txt_data->toPlainText().count(QLatin1Char('\n'))) << sample;
  }
  EXPECT_EQ(drawn[0].options.PeriodStart, QDate(2002, 3, 1));
  EXPECT_EQ(drawn[0].options.PeriodEnd, QDate(2002, 5, 31));
}

TEST_F(GanttTest, ReadingTheRememberedFileAndItsFaults) {
  const QString header = GanttFileHeader();
  WriteBytes(homeFile(QStringLiteral("plan.csv")),
             platform::ToSjis(QStringLiteral("@NAME=佐藤\r\n@GANT_BOX= 9\r\n@GANT_CELLHEIGHT=-1\r\n"
                                             "@GANT_SPAN=2\r\n@GANT_JISSEKI=5\r\n@GANT_AUTOCOLOR=1\r\n@CSV=\r\n") +
                              header + QStringLiteral("\r\nh\r\nt\r\n\r\n")));
  WriteIniValue(QString(), QStringLiteral("FILE"), QStringLiteral("plan.csv"));
  GanttWindow& win = Open();
  EXPECT_EQ(GanttWindow::CurrentGanttFile, home() + QStringLiteral("plan.csv"));
  // No title in the file: the file's path less ".csv".
  EXPECT_EQ(win.Cmb_title->currentText(), home() + QStringLiteral("plan"));
  EXPECT_EQ(win.txt_name->text(), QStringLiteral("佐藤"));
  EXPECT_EQ(win.cmb_span->currentText(), QStringLiteral("６ヶ月"));
  EXPECT_EQ(win.cmb_box->currentIndex(), 0);     // 9 is not an item
  EXPECT_EQ(win.cmb_height->currentIndex(), 0);  // nor -1
  EXPECT_TRUE(win.chk_jisseki->isChecked());     // 5 is neither off nor on
  EXPECT_TRUE(win.chk_autocolor->isChecked());
  EXPECT_EQ(win.txt_data->toPlainText(), QStringLiteral("h\nt"));
  EXPECT_TRUE(messages().texts().isEmpty());

  // A file that is gone, one too large, and binary bytes.
  const struct { QByteArray bytes; QString message; } cases[] = {
      {QByteArray(), QStringLiteral("ファイルが見つかりません\n\n") + home() + QStringLiteral("plan.csv")},
      {QByteArray(10 * 1024 * 1024 + 1, 'x'),
       QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + home() + QStringLiteral("plan.csv")},
      {QByteArray("\x00\xff\x81\r\x82\n\x9f\xfc@BIKO=\x80", 13),
       QStringLiteral("「") + home() + QStringLiteral("plan.csv」はテキストファイルではないので、読み込めません。")},
  };
  for (const auto& c : cases) {
    QFile::remove(homeFile(QStringLiteral("plan.csv")));
    if (!c.bytes.isEmpty()) WriteBytes(homeFile(QStringLiteral("plan.csv")), c.bytes);
    messages().clear();
    win.LoadGanttFile();
    EXPECT_EQ(messages().texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    EXPECT_TRUE(win.txt_data->isEnabled());
    if (!c.bytes.isEmpty()) {
      EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("plan.csv"))), c.bytes);
    }
  }
}

TEST_F(GanttTest, WritingAsksBeforeOverwritingAndRemembersTheFile) {
  GanttWindow& win = Open();
  ChooseTitle(win, 3);
  const QString other = home() + QStringLiteral("sub/chart.csv");
  WriteBytes(other, "old");
  platform::FileDialogRequest seen;
  ScriptFileDialog(other, &seen);
  messages().answer(platform::MsgResult::Cancel);
  win.Cmd_FileWrite_Click();
  EXPECT_EQ(ReadBytes(other), QByteArray("old"));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("同じファイルがあります、上書きしますか？\n") + other);
  EXPECT_EQ(messages().shown()[0].defaultButton, 2);
  EXPECT_EQ(seen.defaultExtension, QStringLiteral("csv"));
  EXPECT_FALSE(seen.open);
  EXPECT_TRUE(GetIniValue(QString(), QStringLiteral("FILE")).isEmpty());

  win.Cmd_FileWrite_Click();  // OK this time
  EXPECT_TRUE(platform::FromSjis(ReadBytes(other)).startsWith(QStringLiteral("@TITLE=進捗の％で塗るケース\r\n")));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), other);
  EXPECT_TRUE(GanttWindow::CurrentGanttFile.isEmpty());

  ScriptFileDialog(homeFile(QStringLiteral("top.csv")));
  win.Cmd_FileWrite_Click();
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), QStringLiteral("top.csv"));

  // A failed write is reported, and the remembered file stays.
  WriteBytes(homeFile(QStringLiteral("plain")), "x");
  ScriptFileDialog(homeFile(QStringLiteral("plain/in.csv")));
  messages().clear();
  win.Cmd_FileWrite_Click();
  EXPECT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), QStringLiteral("top.csv"));

  // Reading a file below the program folder stores it dot-relative.
  ScriptFileDialog(other);
  win.Cmd_FileRead_Click();
  EXPECT_EQ(GanttWindow::CurrentGanttFile, QStringLiteral("./sub/chart.csv"));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), QStringLiteral("./sub/chart.csv"));
  EXPECT_EQ(win.Cmb_title->currentText(), QStringLiteral("進捗の％で塗るケース"));

  // Text the code page cannot hold is refused before anything is written.
  messages().clear();
  win.txt_name->setText(QStringLiteral("😀"));
  win.Cmd_FileWrite_Click();
  ASSERT_EQ(messages().texts().size(), 2);  // the overwrite question, then the refusal
  EXPECT_TRUE(messages().texts()[1].contains(QStringLiteral("😀")));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(other)).contains(QStringLiteral("@NAME=\r\n")));
}

TEST_F(GanttTest, HelpAndClear) {
  GanttWindow& win = Open();
  win.Cmd_help_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].title, QStringLiteral("ヘルプ"));
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("\n　") + GanttFileHeader() + QStringLiteral("\n\n2.項目名")));

  GanttWindow::CurrentGanttFile = QStringLiteral("x.csv");
  WriteIniValue(QString(), QStringLiteral("FILE"), QStringLiteral("x.csv"));
  win.txt_biko->setPlainText(QStringLiteral("r"));
  messages().answer(platform::MsgResult::No);  // the typed remark is let go
  ChooseTitle(win, 5);
  ChooseTitle(win, 1);
  EXPECT_TRUE(win.txt_data->toPlainText().isEmpty());
  EXPECT_TRUE(win.txt_biko->toPlainText().isEmpty());
  EXPECT_TRUE(win.Cmb_title->currentText().isEmpty());
  EXPECT_TRUE(GanttWindow::CurrentGanttFile.isEmpty());
  EXPECT_TRUE(GetIniValue(QString(), QStringLiteral("FILE")).isEmpty());
}

TEST_F(GanttTest, NewUserSavesAChartClearsItAndReadsItBack) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  SetSettingsFormHandler([](SettingsForm&) {});
  auto main = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {}});
  main->MDIForm_Load();
  messages().clear();
  main->mnu_FrmGant->trigger();
  auto* g = qobject_cast<GanttWindow*>(main->LoadedPageWindow(QStringLiteral("gant")));
  ASSERT_NE(g, nullptr);
  ChooseTitle(*g, 3);
  g->txt_name->setText(QStringLiteral("山田"));
  g->cmb_box->setCurrentIndex(1);
  g->chk_biko->setChecked(true);
  const QString tasks = g->txt_data->toPlainText();

  const QString path = home() + QStringLiteral("mine.csv");
  platform::FileDialogRequest seen;
  ScriptFileDialog(path, &seen);
  main->mnu_FileWrite->trigger();
  EXPECT_EQ(seen.title, QStringLiteral("ＣＳＶファイルの書出"));
  EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), QStringLiteral("mine.csv"));

  ChooseTitle(*g, 1);
  EXPECT_TRUE(g->txt_data->toPlainText().isEmpty());
  main->mnu_FileRead->trigger();  // an emptied chart holds no work: no question
  EXPECT_EQ(messages().texts(), QStringList());
  EXPECT_EQ(seen.title, QStringLiteral("ＣＳＶファイルの読込"));
  EXPECT_EQ(g->Cmb_title->currentText(), QStringLiteral("進捗の％で塗るケース"));
  EXPECT_EQ(g->txt_name->text(), QStringLiteral("山田"));
  EXPECT_EQ(g->txt_data->toPlainText() + QStringLiteral("\n"), tasks);
  EXPECT_EQ(g->cmb_box->currentIndex(), 1);
  EXPECT_TRUE(g->chk_biko->isChecked());

  // Closed over a change, which the user lets go, and opened again: the
  // file comes back from the settings.
  g->txt_name->setText(QStringLiteral("unsaved"));
  messages().answer(platform::MsgResult::No);
  main->mdiArea->closeAllSubWindows();
  ASSERT_EQ(messages().texts().size(), 1) << messages().texts().join(u'|').toStdString();
  EXPECT_TRUE(messages().texts()[0].startsWith(QStringLiteral("「ガントチャート」の内容が変更されています。")));
  messages().clear();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  GanttWindow::CurrentGanttFile.clear();
  main->mnu_FrmGant_Click();
  g = qobject_cast<GanttWindow*>(main->LoadedPageWindow(QStringLiteral("gant")));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->txt_name->text(), QStringLiteral("山田"));
  EXPECT_EQ(g->txt_data->toPlainText() + QStringLiteral("\n"), tasks);
  EXPECT_TRUE(messages().texts().isEmpty());
  main.reset();
  platform::SetEndProgramHandler({});
  SetSettingsFormHandler({});
}

// A file too large to be a chart, or one that is no text, is refused before
// anything changes: the chart on screen, its title, its file and the
// remembered file stay.
TEST_F(GanttTest, AReadThatIsRefusedLeavesTheChartItsFileAndTheSettings) {
  WriteBytes(homeFile(QStringLiteral("kept.csv")), platform::ToSjis(QStringLiteral("@TITLE=前の計画\r\n@CSV=\r\n")));
  WriteIniValue(QString(), QStringLiteral("FILE"), QStringLiteral("kept.csv"));
  GanttWindow& win = Open();
  win.Cmb_title->setEditText(QStringLiteral("未保存の計画"));
  win.txt_data->setPlainText(QStringLiteral("設計,2024/06/03"));
  const QString file = GanttWindow::CurrentGanttFile;
  QByteArray noise;
  for (quint32 x = 1, i = 0; i < 4096; ++i) noise.append(char((x = x * 1103515245u + 12345u) >> 24));
  // A chart whose one task line holds a NUL byte would lose that line.
  const QByteArray withNul = platform::ToSjis(QStringLiteral("@TITLE=計画\r\n@CSV=\r\n")) +
                             platform::ToSjis(GanttFileHeader()) + QByteArray("\r\nA\0B,2024/06/03\r\n", 18);
  const auto notText = [this](const char* name) {
    return QStringLiteral("「") + homeFile(QString::fromLatin1(name)) +
           QStringLiteral("」はテキストファイルではないので、読み込めません。");
  };
  const struct {
    const char* name;
    QByteArray bytes;
    QString message;
  } cases[] = {
      {"big.csv", QByteArray(10 * 1024 * 1024 + 1, 'x'), QStringLiteral("ファイルが大きすぎます（10MBまで）: big.csv")},
      {"noise.csv", noise, notText("noise.csv")},
      {"nul.csv", withNul, notText("nul.csv")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(homeFile(QString::fromLatin1(c.name)), c.bytes);
    ScriptFileDialog(homeFile(QString::fromLatin1(c.name)));
    messages().clear();
    messages().answer(platform::MsgResult::No);  // read without writing the chart first
    win.Cmd_FileRead_Click();
    ASSERT_EQ(messages().texts().size(), 2);
    EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::YesNoCancel);
    EXPECT_EQ(messages().texts()[1], c.message);
    EXPECT_EQ(win.Cmb_title->currentText(), QStringLiteral("未保存の計画"));
    EXPECT_EQ(win.txt_data->toPlainText(), QStringLiteral("設計,2024/06/03"));
    EXPECT_EQ(GanttWindow::CurrentGanttFile, file);
    EXPECT_EQ(GetIniValue(QString(), QStringLiteral("FILE")), QStringLiteral("kept.csv"));
    EXPECT_TRUE(win.ChartChanged());
    EXPECT_TRUE(win.isEnabled());
  }
}

// A file read over a chart that was not written asks first, as closing
// does: cancel keeps the chart and opens no dialog, write saves it before
// the read, discard reads over it.
TEST_F(GanttTest, ReadingOverAnUnwrittenChartAsksFirst) {
  WriteBytes(homeFile(QStringLiteral("other.csv")),
             platform::ToSjis(QStringLiteral("@TITLE=別の計画\r\n@CSV=\r\n") + GanttFileHeader() +
                              QStringLiteral("\r\n別,2024/07/01\r\n")));
  GanttWindow& win = Open();
  QStringList dialogs;
  QStringList answers;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest& r) {
    dialogs << r.title;
    return answers.isEmpty() ? std::nullopt : std::optional<QString>(homeFile(answers.takeFirst()));
  });
  const struct {
    platform::MsgResult answer;
    QStringList files;  // the dialogs' answers in turn
    QString title;      // of the chart afterwards
    bool saved;         // the typed chart reached saved.csv
  } cases[] = {
      {platform::MsgResult::Cancel, {}, QStringLiteral("打ち込んだ計画"), false},
      {platform::MsgResult::Yes, {"saved.csv", "other.csv"}, QStringLiteral("別の計画"), true},
      {platform::MsgResult::No, {"other.csv"}, QStringLiteral("別の計画"), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.answer));
    QFile::remove(homeFile(QStringLiteral("saved.csv")));
    win.Cmb_title->setEditText(QStringLiteral("打ち込んだ計画"));
    win.txt_data->setPlainText(QStringLiteral("設計,2024/06/03"));
    ASSERT_TRUE(win.ChartChanged());
    dialogs.clear();
    answers = c.files;
    messages().clear();
    messages().answer(c.answer);
    win.Cmd_FileRead_Click();
    ASSERT_FALSE(messages().shown().empty());
    EXPECT_TRUE(messages().texts()[0].startsWith(
        QStringLiteral("「ガントチャート」の内容が変更されています。\n書き出してから読み込みますか？")));
    EXPECT_EQ(dialogs.size(), c.files.size());
    EXPECT_EQ(win.Cmb_title->currentText(), c.title);
    EXPECT_EQ(platform::FromSjis(ReadBytes(homeFile(QStringLiteral("saved.csv"))))
                  .contains(QStringLiteral("設計,2024/06/03")),
              c.saved);
  }
  // A write that does not happen (its dialog cancelled) keeps the chart.
  win.Cmb_title->setEditText(QStringLiteral("打ち込んだ計画"));
  answers.clear();
  dialogs.clear();
  messages().clear();
  messages().answer(platform::MsgResult::Yes);
  win.Cmd_FileRead_Click();
  EXPECT_EQ(dialogs.size(), 1);
  EXPECT_EQ(win.Cmb_title->currentText(), QStringLiteral("打ち込んだ計画"));
}
