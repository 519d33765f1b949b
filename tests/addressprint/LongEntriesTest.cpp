// Entries of rising length in every phone-book design that prints lines
// across the page: each recorded text, measured at its recorded size, stays
// inside its frame, off the next text of its line and off the rules that
// divide its box, and a value missing from the page is only ever missing
// where a line ends with the mark.
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <utility>

#include "AddressPrintFixture.h"
#include "address/FramedPhoneBook.h"
#include "address/PersonalInfoPage.h"
#include "address/PhoneBookListPage.h"
#include "address/RuledPhoneBook.h"
#include "core/text/JapaneseText.h"

namespace {

constexpr double kLeft = 8;
constexpr double kTol = 1e-4;

// The recording surface measures as layout counts: bytes times the half-width.
double WidthOf(const RecordedOp& op) { return AnsiByteLen(op.text) * double(op.fontSize) / 5.67; }
double EmOf(const RecordedOp& op) { return op.fontSize * 25.4 / 72; }

QString Digits(int n) {
  QString out;
  for (int i = 0; i < n; ++i) out += QChar(u'0' + (i * 7 + 3) % 10);
  return out;
}

// One entry whose every printed field grows with n.
std::vector<std::pair<int, QString>> LongEntry(int n) {
  return {{kFieldKana, QStringLiteral("ﾔﾏ")},
          {kFieldName, QString(n, u'山')},
          {kFieldTel, QStringLiteral("090") + Digits(n)},
          {kFieldJitaku, QStringLiteral("03") + Digits(n)},
          {kFieldKaisyaTel, QStringLiteral("06") + Digits(n)},
          {kFieldKaisyaFax, QStringLiteral("07") + Digits(n)},
          {kFieldYobi, QStringLiteral("08") + Digits(n)},
          {kFieldKaisyaName, QString(n, u'社')},
          {kFieldPost, QString(n, u'課')},
          {kFieldZip, QStringLiteral("123-4567")},
          {kFieldAddress1, QString(n, u'町')},
          {kFieldAddress2, QString(n, u'丁')},
          {kFieldMail, QString(n, u'm') + QStringLiteral("@x.jp")},
          {kFieldBikou, QString(n, u'b')},
          {kFieldBikou2, QString(n, u'c')},
          {kFieldUrl, QStringLiteral("http://") + QString(n, u'u')}};
}

class LongEntries : public PhoneBookPrint {
 protected:
  // The body's texts of the last page drawn, empty ones left out.
  std::vector<RecordedOp> BodyTexts() {
    const PaperSettingsData& p = PaperSettings;
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (!op.text.isEmpty() && op.y1 >= p.DataHeight - kTol && op.y1 < p.FootHeight) out.push_back(op);
    return out;
  }

  // Nothing past the frame, no text into the next one on its line, none
  // across a vertical rule or out of the bottom of its box.
  void ExpectInsideFrames(double right) {
    const std::vector<RecordedOp> texts = BodyTexts();
    const auto lines = printer().opsOf(RecordedOp::Line);
    const auto boxes = printer().opsOf(RecordedOp::Box);
    for (const RecordedOp& op : texts) {
      const double end = op.x1 + WidthOf(op);
      const std::string what = op.text.toStdString();
      EXPECT_LE(end, right + kTol) << what;
      for (const RecordedOp& other : texts)
        if (std::abs(other.y1 - op.y1) < kTol && other.x1 > op.x1 + kTol) {
          EXPECT_LE(end, other.x1 + kTol) << what;
        }
      for (const RecordedOp& rule : lines) {
        const bool vertical = std::abs(rule.x1 - rule.x2) < kTol;
        const double top = std::min(rule.y1, rule.y2), bottom = std::max(rule.y1, rule.y2);
        if (vertical && op.y1 > top && op.y1 < bottom && op.x1 < rule.x1) {
          EXPECT_LE(end, rule.x1 + kTol) << what;
        }
      }
      for (const RecordedOp& box : boxes)
        if (op.y1 > box.y1 && op.y1 < box.y2) {
          EXPECT_LE(op.y1 + EmOf(op), box.y2 + kTol) << what;
        }
    }
  }

  // Each value the design shows for a short entry is on the page whole, or
  // the page shows the mark; a text is only cut at half its size.
  void ExpectNothingLostSilently(const QStringList& shownWhenShort, const std::vector<std::pair<int, QString>>& fields,
                                 float smallestSize) {
    const std::vector<RecordedOp> texts = BodyTexts();
    bool marked = false;
    for (const RecordedOp& op : texts) {
      EXPECT_GE(op.fontSize, smallestSize - kTol) << op.text.toStdString();
      if (op.text.endsWith(u'…')) marked = true;
    }
    const QString page = Joined(texts);
    for (const auto& [field, value] : fields) {
      if (!shownWhenShort.contains(QString::number(field))) continue;
      EXPECT_TRUE(page.contains(value) || marked) << "field " << field << ": " << value.toStdString();
    }
  }

  // The texts in the order printed, joined: wrapped text goes a character
  // at a time, and on from one line to the next.
  static QString Joined(const std::vector<RecordedOp>& texts) {
    QString out;
    for (const RecordedOp& op : texts) out += op.text;
    return out;
  }

  // The fields a design prints at all, found from a one-character entry.
  QStringList FieldsShown(const std::function<void(const QStringList&)>& draw) {
    const auto fields = LongEntry(1);
    printer().clearOps();
    draw({FieldsLine(fields)});
    QStringList shown;
    const QString page = Joined(BodyTexts());
    for (const auto& [field, value] : fields)
      if (page.contains(value) && field != kFieldKana) shown << QString::number(field);
    return shown;
  }

  void RunRisingLengths(double right, float baseSize, const std::function<void(const QStringList&)>& draw) {
    const QStringList shown = FieldsShown(draw);
    EXPECT_FALSE(shown.isEmpty());
    for (int n = 1; n <= 40; n += 3) {
      SCOPED_TRACE(n);
      const auto fields = LongEntry(n);
      printer().clearOps();
      draw({FieldsLine(fields)});
      ExpectInsideFrames(right);
      ExpectNothingLostSilently(shown, fields, baseSize / 2);
    }
  }
};

TEST_F(LongEntries, RuledDesignsKeepEveryLineInItsPlace) {
  const float f = PaperSettings.DefaultFontSize;
  RuledPhoneBookOptions o;
  o.addressMode = 1;
  o.extras = {1, 1, 1, 1, 1};
  o.mobileIcon = RuledPhoneBookMobileIcon();
  o.homeIcon = RuledPhoneBookHomeIcon();
  struct {
    int design;
    double span;
  } cases[] = {{0, 80}, {1, 80}, {2, 61}, {2, 80}, {2, 140}, {3, 80}, {4, 80},
               {5, 80}, {6, 80}, {7, 80}, {9, 80}, {11, 80}, {11, 61}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "design " << c.design << " span " << c.span);
    for (int sort : {0, 2}) {
      const double right = kLeft + c.span;
      RunRisingLengths(right, f - 2, [&](const QStringList& entries) {
        PrintRuledPhoneBook(c.design, sort, QStringLiteral("全て"), 1, kLeft, right, Lines(entries), o);
      });
    }
  }
}

TEST_F(LongEntries, PackedListKeepsBothColumnsApart) {
  RunRisingLengths(88, PaperSettings.DataFontSize, [&](const QStringList& entries) {
    PrintPhoneBookListPage(10, 0, QStringLiteral("全て"), 1, kLeft, 88, Lines(entries), QStringLiteral("FAX"),
                           QStringLiteral("番号"));
  });
}

TEST_F(LongEntries, FramedBoxesHoldTheirLines) {
  for (int address : {0, 1, 2}) {
    SCOPED_TRACE(address);
    FramedPhoneBookOptions o;
    o.addressMode = address;
    o.extras = {1, 1, 1, 1, 1};
    RunRisingLengths(88, PaperSettings.DefaultFontSize - 2, [&](const QStringList& entries) {
      PrintFramedPhoneBook(0, 0, QStringLiteral("全て"), 1, kLeft, 88, Lines(entries), o);
    });
  }
}

// The sheet's labelled rows: a text beside another stops before it, and
// none runs past the frame (long remarks wrap).
TEST_F(LongEntries, PersonalSheetKeepsItsColumns) {
  const PersonalInfoCaptions captions{QStringLiteral("誕生日"), QStringLiteral("備考"), QStringLiteral("備考2")};
  for (int n = 1; n <= 40; n += 3) {
    SCOPED_TRACE(n);
    printer().clearOps();
    PrintPersonalInfoPage(AddressRecord::FromLine(FieldsLine(LongEntry(n))), captions, kLeft, 88);
    ExpectInsideFrames(88);
  }
}

// The fault that was: a number set a little smaller to fit lost its last
// digit without a word, about one entry in sixteen of rising length.
TEST_F(LongEntries, ShrunkNumbersKeepEveryDigit) {
  const float size = PaperSettings.DefaultFontSize - 2;
  for (int n = 10; n <= 40; ++n) {
    SCOPED_TRACE(n);
    const QString fax = QStringLiteral("07") + Digits(n);
    printer().clearOps();
    PrintRuledPhoneBook(11, 0, QStringLiteral("全て"), 1, kLeft, 88,
                        Lines({FieldsLine({{kFieldKana, "ﾔ"}, {kFieldName, "山"}, {kFieldKaisyaFax, fax}})}), {});
    const std::vector<RecordedOp> texts = BodyTexts();
    const auto line = std::find_if(texts.begin(), texts.end(),
                                   [&](const RecordedOp& op) { return op.text.startsWith(QStringLiteral("FAX:")); });
    ASSERT_NE(line, texts.end());
    // Above half size the number is whole; cut, it shows the mark.
    const QString whole = QStringLiteral("FAX:") + fax;
    EXPECT_TRUE(line->text == whole || (line->text.endsWith(u'…') && line->fontSize <= size / 2 + kTol))
        << line->text.toStdString() << " at " << line->fontSize;
  }
}

}  // namespace
