#include "AddressImportSynonyms.h"

#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

namespace {

struct SynonymList {
  int number;
  const char* names;  // framed: ",name,name,...,"
};

// In search order. The repeated names inside a list and across lists are
// those of the vocabulary as users' files have needed it; the first list
// holding a name wins.
const SynonymList kLists[] = {
    {1, ",ｶﾅ名,姓ﾌﾘｶﾞﾅ,名前ﾌﾘｶﾞﾅ,ｱｶｻﾀﾅ,ﾌﾘｶﾞﾅ,ﾖﾐｶﾞﾅ,名前読み,ｶﾀｶﾅ,ｶﾅ,氏名ふりがな,"},
    {2, ",分類,ﾌﾟﾗｲﾍﾞｰﾄ,ｶﾃｺﾞﾘ,CATEGORY,ｸﾞﾙｰﾌﾟ番号,"},
    {3, ",氏名,姓,名,ﾐﾄﾞﾙ ﾈｰﾑ,名前,姓名,NAME,漢字,"},
    {4, ",愛称,ﾊﾝﾄﾞﾙ,ﾆｯｸﾈｰﾑ,ﾈｯﾄﾈｰﾑ,表示名,"},
    {5, ",電話,携帯電話番号,自宅電話番号 :,携帯電話,PHS,携帯,TEL,電話番号1,"},
    {6, ",自宅電話,自宅電話番号,自宅電話 2,自宅電話2,TEL.,B_1電話,TEL(自宅),TEL (自宅),自宅 電話番号,"
        "自宅 電話番号 2,HOME,自宅電話番号1,自宅電話番号2,自宅電話番号,連絡先,電話2,"},
    {7, ",各種ﾌﾗｸﾞ,印刷不要,"},
    {8, ",会社名,会社,部署,部署名,店名,会社名1,事業所,COMPANY,"},
    {9, ",会社TEL,会社電話,会社電話 2,会社電話2,TEL会社,TEL(会社),TEL (会社),TEL.(会社),H_1電話,"
        "勤務先 電話番号,勤務先電話番号,BUSINESS,部署2,"},
    {10, ",〒,郵便番号 (自宅),郵便番号(自宅),郵便番号,ZIP,B_1〒,自宅 郵便番号,自宅郵便番号,自宅の郵便番号,"},
    {11, ",住所1,国 (自宅),都道府県 (自宅),市町村 (自宅),番地 (自宅),国(自宅),都道府県(自宅),市町村(自宅),"
         "番地(自宅),住所,番地,B_1都道府県,B_1市郡区,B_1番地,自宅住所,自宅 住所,ADDRESS1,ADDRESS2,CITY,"
         "STATE,自宅の市区町村,自宅の都道府県,"},
    {12, ",住所2,住所 2 (自宅),住所 3 (自宅),住所2(自宅),住所3(自宅),自宅の番地,"},
    {13, ",MAIL,電子ﾒｰﾙ ｱﾄﾞﾚｽ,電子ﾒｰﾙｱﾄﾞﾚｽ,E-MAIL,E-MAIL1,E-MAIL(会社),B_1電子ﾒｰﾙ,自宅ﾒｰﾙｱﾄﾞﾚｽ,"
         "ﾒｰﾙｱﾄﾞﾚｽ1,個人ﾒｰﾙｱﾄﾞﾚｽ,電子ﾒｰﾙ,ﾒｰﾙ,"},
    {14, ",備考,備考1,H_電子ﾒｰﾙ,B_2電子ﾒｰﾙ,電子ﾒｰﾙ 2 ｱﾄﾞﾚｽ,電子ﾒｰﾙ2ｱﾄﾞﾚｽ,秘書の氏名,秘書の電話,ｱｼｽﾀﾝﾄ1,"
         "ｱｼｽﾀﾝﾄ1電話,ｱｼｽﾀﾝﾄ,ｱｼｽﾀﾝﾄ 電話番号,NOTE,勤務先ﾒｰﾙｱﾄﾞﾚｽ,ﾒｰﾙｱﾄﾞﾚｽ2,会社ﾒｰﾙｱﾄﾞﾚｽ,電子ﾒｰﾙｱﾄﾞﾚｽ,"},
    {15, ",備考2,電子ﾒｰﾙ 3 ｱﾄﾞﾚｽ,電子ﾒｰﾙ3ｱﾄﾞﾚｽ,備考(非表示),配偶者,子供,記念日,ﾒﾓ,連名1,連名2,連名3,連名4,"
         "連名5,家族,家族構成,氏名(連名1),氏名(連名2),氏名(連名3),氏名(連名4),氏名(連名5),"},
    {16, ",会社FAX,会社 FAX,FAX(会社),FAX.(会社),H_FAX,FAX 番号,勤務先ﾌｧｸｽ,勤務先FAX,FAX,会社ﾌｧｯｸｽ番号,"},
    {17, ",予備,自宅FAX,FAX(自宅用),自宅 FAX,FAX自宅,FAX(自宅),FAX (自宅),FAX.(自宅),FAX.,誕生日,"
         "自宅ﾌｧｯｸｽ番号,自宅ﾌｧｯｸｽ,"},
    {18, ",番号,社員番号,ID 番号,会員番号,ﾎﾟｹｯﾄﾍﾞﾙ,ﾎﾟｹｯﾄﾍﾞﾙ(会社),NO,NO.,ﾎﾟｹﾍﾞﾙ,ﾎﾟｹﾍﾞﾙ番号,"},
    {19, ",備考3,備考4,備考5,経費情報,支払い条件,ﾒﾓ(会社),ALTERNATE,ｼｰｸﾚｯﾄ,種別,ASCII,登録日,更新日,"
         "登録・更新日,ﾒﾓ,ｺﾒﾝﾄ,"},
    {20, ",URL,HTTP://,URL,WEB ﾍﾟｰｼﾞ,WEBﾍﾟｰｼﾞ,B_1URL,ﾎｰﾑﾍﾟｰｼﾞ,WEBﾍﾟｰｼﾞ,ﾋﾞｼﾞﾈｽ WEB ﾍﾟｰｼﾞ,個人 WEB ﾍﾟｰｼﾞ,"
         "個人ﾎｰﾑﾍﾟｰｼﾞｱﾄﾞﾚｽ,会社ﾎｰﾑﾍﾟｰｼﾞｱﾄﾞﾚｽ,ﾋﾞｼﾞﾈｽ Web ﾍﾟｰｼﾞ,"},
    {21, ",会社役職,役職,役職名,肩書き,役職1,会社所属,"},
    {60, ",郵便番号 (会社),郵便番号(会社),勤務先郵便番号,勤務先の郵便番号,〒(会社),会社郵便番号,"},
    {61, ",住所 1(会社),住所1(会社),国 (会社),都道府県 (会社),市町村 (会社),番地 (会社),国 (会社),"
         "都道府県(会社),勤務先住所,勤務先の都道府県,勤務先の市区町村,会社住所,"},
    {62, ",住所 2 (会社),住所 3 (会社),住所2(会社),住所3(会社),市町村(会社),番地(会社),勤務先の番地,"},
};

const QString& ListText(const SynonymList& list) {
  // Decoded once: the lists are searched for every column of every import.
  static QString decoded[std::size(kLists)];
  const size_t at = static_cast<size_t>(&list - kLists);
  if (decoded[at].isEmpty()) decoded[at] = QString::fromUtf8(list.names);
  return decoded[at];
}

}  // namespace

QString FramedImportHeading(const QString& heading) {
  return QStringLiteral(",") + ToHalfWidthKana(TrimBlanks(heading).toUpper()) + QStringLiteral(",");
}

int AddressImportListOf(const QString& framedHeading) {
  for (const SynonymList& list : kLists)
    if (ListText(list).contains(framedHeading)) return list.number;
  return 0;
}

bool IsTelephoneHeading(const QString& framedHeading) { return framedHeading == QStringLiteral(",TEL,"); }

bool IsFaxHeading(const QString& framedHeading) { return framedHeading == QStringLiteral(",FAX,"); }

bool IsMobileHeading(const QString& framedHeading) {
  return QStringLiteral(",携帯,携帯電話,PHS,").contains(framedHeading);
}
