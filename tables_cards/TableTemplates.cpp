#include "TableTemplates.h"

#include <QDate>
#include <QStringList>

#include "core/dates/DateLists.h"
#include "core/text/CsvLine.h"
#include "core/text/Numbers.h"
#include "core/text/FontLists.h"
#include "core/text/StringHelpers.h"

namespace {


struct Template {
  const char* titleJ;
  const char* title;  // nullptr: none; "=" : the same as the name
  const char* cols;
  const char* colw;
  const char* rows;
  const char* titleL;
};

// Name, title, equal columns, fixed widths, rows, heading.
const Template kTemplates[kTableTemplateCount] = {
    {"標準用紙", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"覚え書き", "=", "1", "4", "15", "項目,内容"},
    {"小遣い帳", "=", "1", "2,6,3", "25", "日付,項目,金額,備考"},
    {"小遣い帳２", "小遣い帳", "3", "2,6", "31", "日付,項目,収入,支出,残高"},
    {"クレジット支払い", "=", "1", "2,6,3", "20", "日付,項目,金額,備考"},
    {"時間割", "=", "6", nullptr, "3", "月,火,水,木,金,土"},
    {"生活メモ", "=", "2", "3", "25", ",電話,備考(利用者番号)"},
    {"薬歴", "薬暦簿 [名前:              ]", "2", "3", "20", "年月日,医薬品名,"},
    {"交通費", "=", "3", "2,6", "20", "月日,区間,乗物,金額,備考"},
    {"写真", "日付       天気    ﾌｲﾙﾑ    DIN", "6", "7", "12",
     "内容,ｽﾋﾟｰﾄﾞ,絞値,レンズ,ﾌｨﾙﾀｰ,時分,備考"},
    {"レシピ", nullptr, "0", "10,2", "16", "材料,分量,備考"},
    {"ガントチャート", nullptr, "31", "10,2", "31",
     "項目,担当,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,"
     "29,30,31"},
    {"自動車の運行表", "Mortor Running Record", "8", "2", "15",
     "Date,Start.,Stop.,Total.,Petrol.,Litres.,Cost.,Repair.,Cost."},
    {"旅行計画", "旅行計画 [行先:              ]", "1", "3,4", "10", "日時,場所(駅),内容"},
    {"蔵書リスト", "蔵書 [　　　              ]", "1", "8,3", "20", "書名,巻,備考"},
    {"依頼リスト", "依頼リスト [　　　              ]", "1", "2,2,2", "20", "依頼日,期日,担当,用件"},
    {"贈答の控え", "贈答の控え [　　　              ]", "1", "2,5,3", "20",
     "日付,理由/品名,金額,備考"},
    {"単語帳", "単語帳 [　　　              ]", "1", "6,1", "20", "単語,,訳"},
    {"貸し出し帳", "貸し出し帳 [　　　              ]", "2", "2,2,2", "20",
     "日付,予定,返却,氏名,備考"},
    {"買い物メモ", "買い物メモ [　　　              ]", "2", "1,6,2", "20", ",品物,数量,金額,店"},
    {"アマチュア無線の業務日誌", "ハム用業務日誌[　            ]", "4", "2,2", "15",
     "月日,呼/応,通信開始/終了,強度(相手/自局),電波(型式/Hz/W),備考"},
    {"ToDo(日付付)", "ToDo", "1", "1,3,3", "25", ", 開始日, 完了日, 内容(仕事内容等)"},
    {"行事予定", "平成   年度  各種行事日程", "1", "5,12,8", "15",
     "開催期間,行事等の名称,主催者,予定数"},
    {"教務手帳(生徒一覧)", "____年___月[　                ]", "6", "1,4", "45", "No,氏名,"},
    {"家計簿メモ", "家計簿メモ[     年  月      ]", "5", "3", "20", "項目,"},
    {"健康メモ", "健康メモ[     年  月      ]", "5", "1", "31", "日,体重,歩数,飲物,間食"},
    {"ToDo(記/予/処)", "=", "1", "1,1,1", "20", "記,予,処,備考"},
    {"タスク管理", "=", "1", "10,3", "12", "件名,優先,日付"},
    {"購入予定書籍", "=", "1", "2,7,4", "25", "発注,書名,ISBN,価格"},
    {"単位換算表", "=", "2", nullptr, "25", "単位"},
    {"便利電話番号", "=", "2", nullptr, "20", "利用目的,電話番号"},
    {"縦横表", nullptr, "1", nullptr, "20", nullptr},
    {"整備記録", "=", "1", "2,3,2,2,2", "20", "年/月,走行(km),OIL,GRS,BUS,備　考 "},
    {"ゴミ出し", "=", "7", "4", "10",
     "ゴミの種類,月@CENTER,火@CENTER,水@CENTER,木@CENTER,金@CENTER,土@CENTER,日@CENTER"},
    {"営業記録", "顧客:", "1", "2,3", "10", "年/月,同行者,活動内容"},
    {"運賃表", "=", "1", "4,4,4", "20", "発駅,着駅,運賃,備考"},
    {"カラオケ", "=", "1", "5,7,3,2,2", "10", "歌手名,曲名,曲番号,原曲ｷｰ,変更ｷｰ,歌い出し"},
    {"予定表 縦(3ヶ月)", nullptr, "1", "2,1,1,3,3,3", "31", "日付,朝,休,会議,研修,提出,その他"},
    {"予定表 横(1ヶ月)", nullptr, "31", "5", "31", nullptr},
    {"やりくり単価表", nullptr, "1", "4,1,2,2,1,2", "48", "商品名,店舗名,価格,量,単位,単価.,備考"},
};

QString Lines(const QStringList& lines, bool finalBreak) {
  QString text = lines.join(kCrLf);
  if (finalBreak) text += kCrLf;
  return text;
}

QString Repeat(const QString& line, int count, bool finalBreak) {
  QStringList lines;
  for (int i = 0; i < count; ++i) lines << line;
  return Lines(lines, finalBreak);
}


// Weekend days carry their colour on the printed page.
QString DayColourTag(const QDate& day) {
  if (day.dayOfWeek() == 7) return QStringLiteral("@[RED]");
  if (day.dayOfWeek() == 6) return QStringLiteral("@[BRUE]");
  return QString();
}

QString WeekdayName(const QDate& day) {
  static const QString names[] = {u"月"_qs, u"火"_qs, u"水"_qs, u"木"_qs,
                                  u"金"_qs, u"土"_qs, u"日"_qs};
  return names[day.dayOfWeek() - 1];
}

QString MonthTitle() {
  return QStringLiteral("予定表 ") + ScheduleToday().toString(QStringLiteral("yyyy/MM"));
}

// Three calendar months, one a page.
QString ThreeMonthBody() {
  const QDate today = ScheduleToday();
  QDate day(today.year(), today.month(), 1);
  QString text;
  int months = 1;
  while (true) {
    text += DayColourTag(day) + TwoDigits(day.day()) + u' ' + WeekdayName(day) +
            QStringLiteral(",,,,,") + kCrLf;
    const QDate next = day.addDays(1);
    if (next.month() != day.month()) {
      ++months;
      if (months > 3) break;
      text += QStringLiteral("@PAGE") + kCrLf;
    }
    day = next;
  }
  return text;
}

// One column a day of this month.
QString MonthHeading() {
  const QDate today = ScheduleToday();
  QString text = QStringLiteral(",");
  for (int d = 1; d <= today.daysInMonth(); ++d) {
    const QDate day(today.year(), today.month(), d);
    text += DayColourTag(day) + TwoDigits(d) + u',';
  }
  return text + kCrLf;
}

QString TravelBody() {
  QString text = QStringLiteral(
                     "   08:03   \\n\\n   10:00 ,発:名古屋  \\n\\n着:東京    ,新幹線\\n朝食") +
                 kCrLf;
  for (int i = 0; i < 9; ++i)
    text += QStringLiteral("     :     \\n\\n     :   ,発:        \\n\\n着:        ,") + kCrLf;
  return text;
}

QString HealthBody() {
  QString text;
  for (int n = 1; n <= 31; ++n) text += TwoDigits(n) + QStringLiteral(",     ,    ") + kCrLf;
  return text;
}

QString ContactsBody() {
  const QString blank = QStringLiteral("    ");
  const QStringList names = {
      u"電気"_qs, u"ガス"_qs, u"水道"_qs, u"電話"_qs, u"清掃局"_qs, u"新聞"_qs,
      u"ｸﾘｰﾆﾝｸﾞ"_qs, u"灯油"_qs, u"車  "_qs, u"床屋"_qs, blank, u"郵便"_qs, u"銀行"_qs,
      blank, blank, blank, u"すし"_qs, u"そば"_qs, blank, blank, u"@PAGE"_qs, u"役場"_qs,
      u"警察"_qs, blank, u"会社"_qs, u"学校"_qs, blank, blank, u"塾  "_qs, blank,
      u"薬局"_qs, u"病院"_qs, u"外科"_qs, u"内科"_qs, u"小児"_qs, u"歯科"_qs, u"婦人"_qs,
      blank};
  const QString cell = QStringLiteral(",") + QString(18, u' ') + u',';
  QStringList rows;
  for (const QString& name : names)
    rows << (name == u"@PAGE"_qs ? name : name + cell);
  return Lines(rows, true);
}

QString UnitBody() {
  return Lines({u"[長さの単位]"_qs,
                u"寸=3.0303cm,cm=0.33寸"_qs,
                u"尺=30.303cm,m=3.3尺"_qs,
                u"間=1.8182m,m=0.55間"_qs,
                u"里=3.9273km,km=0.2546里"_qs,
                u"インチ=2.54cm,cm=0.3937インチ"_qs,
                u"フィート=30.48cm,m=3.2808フィート"_qs,
                u"ヤード=0.9144m,m=1.0936ヤード"_qs,
                u"マイル=1.6093km,km=0.6214マイル"_qs,
                u"---"_qs,
                u"[面積換算]"_qs,
                u"坪=3.3058平方m,平方m=0.3025坪"_qs,
                u"反=991.74平方m,a=0.1008反"_qs,
                u"町=0.9917ha,ha=1.0083町"_qs,
                u"エーカー=0.4047ha,ha=2.4711エーカー"_qs,
                u"平方マイル=2.59平方km,平方km=0.3861平方マイル"_qs,
                u"---"_qs,
                u"[重量換算]"_qs,
                u"匁=3.75g,g=0.2667匁"_qs,
                u"貫=3.75kg,kg=0.2667貫"_qs,
                u"斤=600g,kg=1.6667斤"_qs,
                u"オンス=28.3495g,g=0.0353オンス"_qs,
                u"ポンド=453.592g,kg=2.2046ポンド"_qs,
                u"---"_qs,
                u"[容量換算]"_qs,
                u"合=180.39ml,l=5.5435合"_qs,
                u"升=1.8039l,l=0.5544升"_qs,
                u"斗=18.039l,l=0.0554斗"_qs,
                u"米ガロン=3.7854l,l=0.2642米ガロン"_qs,
                u"英ガロン=4.5461l,l=0.22英ガロン"_qs,
                u"---"_qs,
                u"[温度換算]"_qs,
                u"摂氏=(華氏-32)÷1.8,華氏=摂氏×1.8+32"_qs,
                u"0℃=32°F,100℃=212°F"_qs},
               true);
}

QString Sample(int16_t n) {
  switch (n) {
    case 1:
      return Lines({u"名前,"_qs, u"電話,"_qs, u"自宅住所,"_qs, u"---"_qs, u"---"_qs, u"---"_qs,
                    u"血液型,"_qs, u"病歴,"_qs, u"持病の有無,"_qs, u"不適合薬,"_qs,
                    u"医者電話,"_qs, u"担当医,"_qs, u"保険証No,"_qs},
                   false);
    case 3:
      return Lines({u"5/1,前月繰越,,,10000"_qs, u"5/5,電車賃,,800,9200"_qs,
                    u"5/5,映画,,1800,7400"_qs, u"5/25,給料日,20000,,27400"_qs,
                    u",合計,@[VTOTAL],@[VTOTAL],@[VTOTAL]"_qs},
                   false);
    case 5:
      return Lines({u"国語\\n201教室,数学\\n202教室,理科\\n理科室"_qs,
                    u"体育\\n山野先生,音楽\\n川端先生,社会,英語"_qs},
                   false);
    case 6: return ContactsBody();
    case 7: return Repeat(u"    /  ,"_qs, 20, true);
    case 8: return Lines({u"05/10,名古屋-東京,新幹線,9400"_qs}, true);
    case 12:
      return Lines({u"5/1,123,500,377,0,0,,0"_qs,
                    u"5/2,,@[RED]953,@[GREEN]453,45,10.06,@[BRUE]オイル交換,3000"_qs},
                   false);
    case 13: return TravelBody();
    case 20:
      return u"05/03,CQ/応答,10:05/10:20,59/57,SSB/7.050MHz/50W,カード交換済"_qs;
    case 21: return Repeat(u"□,   /  ,   /  ,"_qs, 25, true);
    case 22: return u"4/10-4/12,春季大会(市民体育館),森川 012-345-6789,120"_qs;
    case 23: return Lines({u"1,青木 一郎,,,,"_qs, u"2,石田 花子,,,,"_qs}, false);
    case 24:
      return Lines({u"通常食費"_qs, u""_qs, u"特別食費"_qs, u"日用雑貨"_qs, u"衣服関連"_qs,
                    u"教養ほか"_qs, u"美容健康"_qs, u"交通通信"_qs, u""_qs, u""_qs,
                    u"その他"_qs, u""_qs, u"預金ほか"_qs, u""_qs, u"通常収入"_qs,
                    u"特別収入"_qs},
                   true);
    case 25: return HealthBody();
    case 26: return u"5\\n10,5\\n12,ポン太に本を返す"_qs;
    case 27:
      return Repeat(u",A1 A2 A3\\nB1 B2 B3\\nC1 C2 C3,  /  /  \\n  /  /  \\n  /  /  "_qs, 12,
                    true);
    case 29: return UnitBody();
    case 30:
      // A neutral last row: a real free-dial number would date the page and
      // advertise a service.
      return Lines({u"時報,117"_qs, u"天気予報,177"_qs, u"電話番号案内,104"_qs,
                    u"電話の故障と話し中調べ,113"_qs, u"新設・移転について,116"_qs,
                    u"通話料金、かける前に,100"_qs, u"コレクトコール,106"_qs,
                    u"転送でんわ,116"_qs, u"新幹線列車通話,107"_qs,
                    u"通話料無料の窓口,0120-XXX-XXX"_qs},
                   true);
    case 33:
      return Lines({u"\\n不燃ゴミ,\\n○"_qs, u"\\n可燃ゴミ,,\\n○"_qs, u"\\n資源ゴミ,,,\\n１"_qs},
                   false);
    case 37: return ThreeMonthBody();
    case 39:
      return Lines({u"DVD-R A社,XX電気,800,10,枚,80"_qs, u"DVD-R B社,XX電気,1270,20,枚,63.5"_qs,
                    u"DVD-R C社,XX電気,750,11,枚,68.18182"_qs,
                    u"DVD-R D社,XX電気,1275,10,枚,127.5"_qs,
                    u"DVD-R E社,XX電気,1300,10,枚,130"_qs},
                   true);
    default: return QString();
  }
}

QString Remarks(int16_t n) {
  const QString holidays = u"祝祭日には対応していません。各自修正願います。"_qs;
  switch (n) {
    case 5:
      return kCrLf + u"月曜：英会話教室"_qs + kCrLf + u"火曜：水泳教室（２４ｍ泳げるようになる)"_qs +
             kCrLf + kCrLf;
    case 10:
      return u"工程:"_qs + kCrLf.repeated(9) + QString(31, u'-') + kCrLf + u"備考・注意点:"_qs +
             kCrLf.repeated(6);
    case 11: return u"備考:"_qs + kCrLf.repeated(7);
    case 13:
    case 14: return kCrLf.repeated(4);
    case 27:
      return u"やるべきタスクを順に記す（完了後、斜線を入れる）"_qs + kCrLf +
             u"A3を進んでこなす。A1にはなるべくしないこと。"_qs + kCrLf.repeated(3);
    case 33: return u"１：第一週"_qs;
    case 37:
    case 38: return holidays;
    default: return QString();
  }
}

// The few keys only some templates set.
QString OtherKey(const QString& key, int16_t n) {
  if (key == u"COLN") return (n == 5 || n == 9 || n == 22) ? u"1"_qs : QString();
  if (key == u"MEN") return (n == 5 || n == 6 || n == 12 || n == 20) ? u"0"_qs : QString();
  if (key == u"YOKO") {
    if (n == 9 || n == 12 || n == 20 || n == 22 || n == 36) return u"1"_qs;
    return n == 39 ? u"0"_qs : QString();
  }
  if (key == u"NOTITLE") return n == 26 ? u"1"_qs : QString();
  if (key == u"FONTSIZE") return n == 39 ? u" 5.5"_qs : QString();
  if (key == u"KEISEN_YOKO") return n == 39 ? u"4"_qs : u"1"_qs;
  return QString();
}

QString Text(const char* value) { return value ? QString::fromUtf8(value) : QString(); }

int16_t NumberOf(const QString& value) { return ToInt16(ParseNumber(value)); }

}  // namespace

QString TableTemplateValue(const QString& key, int16_t n) {
  if (n < 0 || n >= kTableTemplateCount) return key == u"KEISEN_YOKO" ? u"1"_qs : QString();
  const Template& t = kTemplates[n];
  if (key == u"TITLEJ") return Text(t.titleJ);
  if (key == u"TITLE") {
    if (n == 37 || n == 38) return MonthTitle();
    if (t.title && QByteArray(t.title) == "=") return Text(t.titleJ);
    return Text(t.title);
  }
  if (key == u"COLS") return Text(t.cols);
  if (key == u"COLW") return Text(t.colw);
  if (key == u"ROWS") return Text(t.rows);
  if (key == u"TITLEL") return n == 38 ? MonthHeading() : Text(t.titleL);
  if (key == u"SAMPLE") return Sample(n);
  if (key == u"BIKO") return Remarks(n);
  return OtherKey(key, n);
}

int16_t TableFontSizePosition(const QString& value, int16_t current) {
  if (value.isEmpty()) return 0;
  QStringList items = {u"ﾃﾞﾌｫﾙﾄ"_qs};
  items += FontSizeListTexts();
  const double wanted = ParseNumber(value);
  for (int i = 0; i < items.size(); ++i)
    if (ParseNumber(items[i]) == wanted) return static_cast<int16_t>(i);
  return current;
}

void ApplyTableTemplate(TableOptions& o, int16_t n, bool superOrganiserMode) {
  auto value = [n](const char* key) { return TableTemplateValue(QString::fromLatin1(key), n); };
  o.title = value("TITLE");
  const QString cols = value("COLS");
  o.colsPos = cols.isEmpty() ? 0 : static_cast<int16_t>(NumberOf(cols) - 1);
  const QString rows = value("ROWS");
  o.rowsPos = rows.isEmpty() ? 0 : static_cast<int16_t>(NumberOf(rows) - 3);
  // The heading box holds one line; the month heading's closing line break
  // would otherwise come back from a file as an empty first body row.
  o.heading = value("TITLEL");
  while (o.heading.endsWith(u'\n') || o.heading.endsWith(u'\r')) o.heading.chop(1);
  o.body = value("SAMPLE");
  o.men = superOrganiserMode ? kTableSuperOrganiserSide : NumberOf(value("MEN"));
  o.remarks = value("BIKO");
  o.yoko = NumberOf(value("YOKO"));
  o.coln = NumberOf(value("COLN"));
  o.notitle = NumberOf(value("NOTITLE"));
  o.keisenYoko = NumberOf(value("KEISEN_YOKO"));
  o.fontSizePos = TableFontSizePosition(value("FONTSIZE"), o.fontSizePos);
  const QStringList widths = SplitCsvFields(value("COLW"), 9);
  for (int i = 0; i < 9; ++i)
    o.widthPos[i] = i < widths.size() ? NumberOf(widths[i]) : int16_t{0};
}
