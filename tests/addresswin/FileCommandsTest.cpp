#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "AddressWindowTest.h"
#include "address/AddressRecord.h"
#include "core/platform/FileDialog.h"
#include "core/ui/SearchKeys.h"

namespace {

class FileCommands : public AddressWindowTest {
 protected:
  void ChooseFile(const QString& path) {
    platform::SetFileDialogHandler([this, path](const platform::FileDialogRequest& r) {
      lastRequest = r;
      return std::optional<QString>(path);
    });
  }
  platform::FileDialogRequest lastRequest;
};

TEST_F(FileCommands, NewCreatesAHeaderOnlyFileAndRefusesAnExistingOne) {
  AddressWindow& w = Open();
  ChooseFile(homeFile("doZir.csv"));
  w.cmd_FileNew->click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(messages().texts().first(),
            QStringLiteral("既に「") + homeFile("doZir.csv") + QStringLiteral("」ファイルは有りますので新規作成できません。"));
  EXPECT_FALSE(lastRequest.open);
  EXPECT_EQ(lastRequest.defaultExtension, QStringLiteral("csv"));

  const QString fresh = home() + QStringLiteral("sub/new.csv");
  QDir().mkpath(home() + QStringLiteral("sub"));
  ChooseFile(fresh);
  w.cmd_FileNew->click();
  EXPECT_EQ(ReadBytes(fresh), platform::ToSjis(kAddressHeader) + "\r\n");
  EXPECT_EQ(Key("FILE"), fresh);
  EXPECT_EQ(w.List1->count(), 0);
  EXPECT_EQ(w.SelectedLineNumber, -1);
}

TEST_F(FileCommands, OpenStoresAPathRelativeToTheProgramFolder) {
  AddressWindow& w = Open();
  QDir().mkpath(home() + QStringLiteral("sub"));
  WriteBook({"ｱ,c,one"}, QStringLiteral("sub/other.csv"));
  WriteBook({"ｱ,c,two"}, QStringLiteral("top.csv"));
  struct {
    QString chosen;
    QString stored;
    QString listed;
  } rows[] = {
      {home() + "sub/other.csv", "./sub/other.csv", "one"},
      {home() + "top.csv", "top.csv", "two"},
  };
  for (const auto& r : rows) {
    w.SelectedLineNumber = 2;
    ChooseFile(r.chosen);
    w.Cmd_FileRead->click();
    EXPECT_TRUE(lastRequest.open);
    EXPECT_EQ(Key("FILE"), r.stored);
    w.Cmb_bunrui->setCurrentIndex(1);
    EXPECT_EQ(ListNames(w), QStringList{r.listed});
    EXPECT_EQ(w.SelectedLineNumber, -1);
    EXPECT_EQ(w.List1->currentRow(), -1);
    w.Cmb_bunrui->setCurrentIndex(0);
  }
  // A missing file or a cancel leaves everything.
  ChooseFile(home() + "none.csv");
  w.Cmd_FileRead->click();
  EXPECT_EQ(Key("FILE"), QStringLiteral("top.csv"));
}

TEST_F(FileCommands, FindNarrowsTheListByRowsOfKeys) {
  WriteBook({"ｱ,友人,a,,090-1", "ｲ,友人,i,,03-1", "ｳ,仕事,u,,090-2", "ｴ,c,\"x\",\"y\""});
  AddressWindow& w = Open();
  w.Cmb_bunrui->setCurrentIndex(1);
  struct {
    const char* what;
    FindKeyRow key1, key2;
    QStringList names;
  } rows[] = {
      {"both keys of row 1", {"友人", "", ""}, {"090", "", ""}, {"a"}},
      {"either row", {"友人", "仕事", ""}, {"090", "", ""}, {"a", "u"}},
      {"a second key alone becomes the first", {"", "", ""}, {"03-", "", ""}, {"i"}},
      {"a later row's lone second key is ignored", {"ｳ", "", ""}, {"", "i", ""}, {"u"}},
      {"across a field boundary", {"x\",\"y", "", ""}, {"", "", ""}, {"x"}},
  };
  for (const auto& r : rows) {
    SetFindKeysDialogHandler([&r](FindDialog& d) {
      d.Form_Load();
      for (int i = 0; i < 3; ++i) {
        d.txt_key1[i]->setText(r.key1[i]);
        d.txt_key2[i]->setText(r.key2[i]);
      }
      d.cmd_find->click();
    });
    w.Cmd_FileSearch2->click();
    EXPECT_EQ(ListNames(w), r.names) << r.what;
  }
  // All keys empty: no refill now; the next refill lists without the keys.
  SetFindKeysDialogHandler([](FindDialog& d) {
    d.Form_Load();
    for (int i = 0; i < 3; ++i) {
      d.txt_key1[i]->clear();
      d.txt_key2[i]->clear();
    }
    d.cmd_find->click();
  });
  w.Cmd_FileSearch2->click();
  EXPECT_EQ(ListNames(w), QStringList{"x"});
  w.Cmb_bunrui->setCurrentIndex(0);
  w.Cmb_bunrui->setCurrentIndex(1);
  EXPECT_EQ(w.List1->count(), 4);
  SetFindKeysDialogHandler({});
}

}  // namespace
