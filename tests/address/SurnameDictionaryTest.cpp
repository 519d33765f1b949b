#include <gtest/gtest.h>

#include <QSet>

#include "address/AddressTextParser.h"
#include "address/SurnameDictionary.h"
#include "core/platform/Codec.h"

using namespace Qt::StringLiterals;

namespace {

bool IsKanji(QChar c) { return (c >= u'\u4e00' && c <= u'\u9fff') || c == u'々'; }

// The name the parser finds in a greeting followed by one unlabelled line:
// without a surname at the start of that line the two lines stay over and
// NAME is empty.
QString NameIn(const QString& line) { return ParseAddressText(u"お世話になります\r\n"_s + line, u"NAME"_s); }

TEST(SurnameDictionary, ListsHoldDistinctKanjiSurnamesThatShiftJisCarries) {
  struct {
    const QStringList& list;
    qsizetype count, length;
  } lists[] = {{TwoCharacterSurnames(), 941, 2}, {ThreeCharacterSurnames(), 23, 3}};
  for (const auto& l : lists) {
    EXPECT_EQ(l.list.size(), l.count);
    EXPECT_EQ(QSet<QString>(l.list.begin(), l.list.end()).size(), l.count) << "a name twice";
    for (const QString& name : l.list) {
      EXPECT_EQ(name.size(), l.length) << name.toStdString();
      EXPECT_TRUE(std::all_of(name.begin(), name.end(), IsKanji)) << name.toStdString();
      EXPECT_EQ(platform::FromSjis(platform::ToSjis(name)), name) << name.toStdString();
    }
  }
}

// Names with 村, 町 or 市 after their first character are left out: the
// address rule takes such a line before any surname search (中村一郎 reads
// as an address line).
TEST(SurnameDictionary, CommonSurnamesNameThePersonOfAnUnlabelledLine) {
  const char16_t* common[] = {
      u"佐藤", u"鈴木", u"高橋", u"田中", u"伊藤", u"渡辺", u"山本", u"小林", u"加藤", u"吉田", u"山田",
      u"山口", u"松本", u"井上", u"斎藤", u"清水", u"山崎", u"池田", u"橋本", u"阿部", u"石川", u"山下",
      u"中島", u"石井", u"小川", u"前田", u"岡田", u"藤田", u"後藤", u"近藤", u"遠藤", u"青木", u"坂本",
      u"斉藤", u"福田", u"太田", u"藤井", u"金子", u"岡本", u"藤原", u"中野", u"三浦", u"原田", u"中川",
      u"松田", u"竹内", u"小野", u"中山", u"和田", u"石田", u"森田", u"上田", u"柴田", u"宮崎", u"千葉",
      u"渡部", u"菊地", u"菊池", u"比嘉", u"金城", u"渡邊", u"齋藤", u"中嶋", u"佐々木", u"長谷川", u"五十嵐", u"久保田", u"大久保",
      u"小野寺", u"小笠原", u"佐久間"};
  for (const char16_t* surname : common) {
    const QString line = QString::fromUtf16(surname) + u"一郎 様"_s;
    EXPECT_EQ(NameIn(line), line) << line.toStdString() << " gave " << NameIn(line).toStdString();
    EXPECT_EQ(NameIn(u"会員 "_s + line), line) << line.toStdString() << " after a blank";
  }
}

TEST(SurnameDictionary, PrecedenceAndWhatIsNoSurname) {
  struct {
    QString line, name;
  } rows[] = {
      // Three characters before two, whatever stands first on the line.
      {u"山本 小野寺"_s, u"小野寺"_s},
      // Among two-character names the commoner wins.
      {u"山本 佐藤"_s, u"佐藤"_s},
      // Only at the start of the line or after a blank.
      {u"新佐藤一郎様"_s, {}},
      // Given names and place names that a corpus also met as surnames.
      {u"伸二 くんへ"_s, {}},
      {u"美樹 さんへ"_s, {}},
      {u"春雄 さんへ"_s, {}},
      {u"ジョン スミス"_s, {}},
  };
  for (const auto& r : rows) EXPECT_EQ(NameIn(r.line), r.name) << r.line.toStdString() << " gave " << NameIn(r.line).toStdString();
  // The line keeps what stood before the surname.
  EXPECT_EQ(ParseAddressText(u"お世話になります\r\n山本 佐藤"_s, u""_s), u"お世話になります 山本"_s);
}

}  // namespace
