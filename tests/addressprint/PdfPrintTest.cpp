// The ruled phone book printed through the PDF printer and read back: five
// entries on the bible size, design 0 without the address line, front only.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>

#include "PdfReadBack.h"
#include "TestEnvironment.h"
#include "address/AddressWindow.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

class PhoneBookPdf : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    WriteDefaultSettings();
    LoadPaperSettings(0);
    ConfirmPrompts = 0;
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    SetInstalledPrintersOverride(std::nullopt);
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
};

TEST_F(PhoneBookPdf, DesignZeroOnTheBibleSize) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  const QStringList lines{"header",
                          "ｱｵｷ,c,Aoki,,090-1111-1111,03-1111-1111,,Acme,06-1111-1111",
                          "ｲﾄｳ,c,Ito,,090-2222-2222",
                          "ｳｴﾀﾞ,c,Ueda,,,03-3333-3333",
                          "ｴﾝﾄﾞｳ,c,Endo,,090-4444-4444",
                          "ｵｶﾀﾞ,c,Okada,,090-5555-5555,,,,,,,,,,,06-5555-0000"};
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Chk_Jyusyo->setCheckState(Qt::Unchecked);
  w.Cmb_men->setCurrentIndex(w.Cmb_men->findText(QStringLiteral("表のみ")));

  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/address_ruled_design0.pdf");
  QFile::remove(pdf);
  SetInstalledPrintersOverride(QStringList{}, true);
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.printer = QStringLiteral("PDF");
    return answer;
  });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});

  ASSERT_EQ(PdfPageCount(pdf), 1);
  const std::vector<PdfWord> words = PdfWords(pdf);
  const PdfWord title = FindWord(words, QStringLiteral("電話帳"));
  EXPECT_EQ(title.page, 1);
  const PaperSettingsData& p = PaperSettings;
  const double margin = p.PrintMargin;
  const double rowHeight = (p.FootHeight - p.DataHeight - 1) / 14.0;
  const char* names[] = {"Aoki", "Ito", "Ueda", "Endo", "Okada"};
  for (int i = 0; i < 5; ++i) {
    const PdfWord name = FindWord(words, QString::fromLatin1(names[i]));
    ASSERT_EQ(name.page, 1) << names[i];
    EXPECT_NEAR(name.xMinMm, p.PageLeft + margin, 0.6) << names[i];
    EXPECT_NEAR(name.yMinMm, p.DataHeight + 0.5 + rowHeight * i + margin, 0.8) << names[i];
  }
  const PdfWord mobile = FindWord(words, QStringLiteral(":090-1111-1111"));
  ASSERT_EQ(mobile.page, 1);
  EXPECT_GT(mobile.xMinMm, p.PageLeft + 44 + margin);
}

TEST_F(PhoneBookPdf, LandscapeColumnsReadUpward) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools are not installed";
  QStringList lines{"header"};
  for (int i = 1; i <= 4; ++i) lines << QStringLiteral("ｱ,c,Name%1,,090-000-%1,03-000-%1,,,,100-000%1,Tokyo,Chiyoda").arg(i);
  WriteBytes(homeFile("doZir.csv"), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  AddressWindow w;
  w.Form_Load();
  w.Cmb_bunrui->setCurrentIndex(1);
  w.Cmb_Type->setCurrentIndex(12);
  w.Cmb_men->setCurrentIndex(0);
  const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/address_landscape.pdf");
  QFile::remove(pdf);
  SetInstalledPrintersOverride(QStringList{}, true);
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.printer = QStringLiteral("PDF");
    return answer;
  });
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  w.Cmd_print_Click();
  platform::SetFileDialogHandler({});
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const PdfWord name = FindWord(PdfWords(pdf), QStringLiteral("Name1"));
  ASSERT_EQ(name.page, 1);
  // Turned text is taller than wide and stands at the foot of the body.
  EXPECT_GT(name.yMaxMm - name.yMinMm, name.xMaxMm - name.xMinMm);
  EXPECT_NEAR(name.yMaxMm, PaperSettings.FootHeight - 1 + PaperSettings.PrintMargin, 1.5);
}

}  // namespace
