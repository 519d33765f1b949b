#include "AddressTextParser.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <map>
#include <optional>

#include "LabelledValues.h"
#include "SurnameDictionary.h"
#include "core/platform/MessageBox.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList kCompanyWords = {u"会社"_s, u"商事"_s, u"産業"_s, u"(株)"_s, u"(有)"_s, u"(特)"_s,
                                   u"㈲"_s,   u"㈱"_s,   u"大学"_s, u"オフィス"_s, u"研究所"_s, u"病院"_s};
const QStringList kDepartmentWords = {u"営業"_s, u"経理"_s, u"企画"_s, u"技術"_s,   u"販売"_s,  u"推進"_s,
                                      u"管理"_s, u"編集部"_s, u"本部"_s, u"事業部"_s, u"設計部"_s};
// ビル stands three times as the old table had it; the later two can never be
// the match, so the repeat is harmless.
const QStringList kBuildingWords = {u"ビル"_s, u"号室"_s, u"コーポ"_s, u"メゾン"_s, u"ハイツ"_s,
                                    u"県営"_s, u"市営"_s, u"タワー"_s, u"ビル"_s, u"ビル"_s};
// 群 in the old tables stands for 郡 (a county in an address); both are kept.
const QString kAddressUnitChars = u"県市区町村群郡"_s;
const QString kBulletSymbols = u"○●◇◆□■△▲▽▼★☆〓∽"_s;

// The field accumulators, in one place so every rule reaches them by key.
struct Fields {
  QString top, zip, address1, address2, office, id, kana, name, tel, fax, mail, url, date, post, shopDate,
      shopTime, shopMichi, shopCar, shopCategory, facilities, budget;
};

bool Contains(const QString& upperLine, const QString& word) { return upperLine.contains(UpperLatin(word)); }

QChar NormaliseChar(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'　' || u == u'\t') return u' ';
  if (u >= u'０' && u <= u'９') return QChar(u'0' + (u - u'０'));
  switch (u) {
    case u'－': return u'-';
    case u'＠': return u'@';
    case u'（': return u'(';
    case u'）': return u')';
    case u'：': return u':';
    case u'／': return u'/';
    case u',': return u'，';
    default: return c;
  }
}

void TakeTextAfterAny(const QStringList& labels, QString& line, QString& acc) {
  for (const QString& l : labels) TakeTextAfterLabel(l, line, acc);
}
void TakeNumberAfterAny(const QStringList& labels, QString& line, QString& acc) {
  for (const QString& l : labels) TakeNumberAfterLabel(l, line, acc);
}

void TakeMail(QString& line, Fields& f) {
  TakeTextAfterAny({u"メールアドレス"_s, u"Ｅ-メール"_s, u"メール"_s, u"MAILTO"_s}, line, f.mail);

  QString upper = UpperLatin(line);
  qsizetype p = upper.indexOf(u"MAIL"_s);
  // "MAIL." first is a host name such as mail.example.jp, not a label.
  if (p >= 0 && upper.indexOf(u"MAIL."_s) == p) p = -1;
  if (p >= 0 && line.contains(u'@') && line.contains(u'.')) {
    const qsizetype at = upper.indexOf(u'@');
    if (at >= p) {
      qsizetype k = p + 4;
      while (k < line.size() && (line[k] == u' ' || line[k] == u':' || line[k] == u'：')) ++k;
      f.mail += line.mid(k) + u' ';
    } else {
      f.mail += line + u' ';
    }
    qsizetype q = -1;
    for (const QString& w : {u"E-MAIL"_s, u"EMAIL"_s, u"E_MAIL"_s, u"ｅ-MAIL"_s, u"Ｅ-MAIL"_s}) {
      q = upper.indexOf(UpperLatin(w));
      if (q >= 0) break;
    }
    if (q < 0) q = at >= p ? p : 0;
    line = line.left(q);
    upper = UpperLatin(line);
  }

  if (line.contains(u'@') && line.contains(u'.') &&
      (upper.contains(u".JP"_s) || upper.contains(u".COM"_s) || upper.contains(u".ORG"_s))) {
    f.mail += line + u' ';
    line.clear();
  }
}

void TakeUrl(QString& line, Fields& f) {
  const QString upper = UpperLatin(line);
  const qsizetype h = upper.indexOf(u"HTTP://"_s);
  if (h >= 0) {
    f.url += line.mid(h) + u' ';
    line.clear();
    return;
  }
  const qsizetype u = upper.indexOf(u"URL"_s);
  if (u >= 0) {
    f.url += line.mid(u + 3) + u' ';
    line.clear();
  }
}

bool EndsWithShopSign(const QString& line) {
  if (!line.endsWith(u'店')) return false;
  const QString last2 = line.right(2);
  return last2 != u"開店"_s && last2 != u"閉店"_s && last2 != u"お店"_s;
}

bool HasAddressUnitAfterFirst(const QString& line) {
  for (qsizetype i = 1; i < line.size(); ++i)
    if (kAddressUnitChars.contains(line[i])) return true;
  return false;
}

void Classify(QString& line, Fields& f) {
  TakeTextAfterAny({u"定休日"_s, u"休み"_s, u"休日"_s, u"営業日"_s}, line, f.shopDate);
  for (const QString& w : {u"土日休"_s, u"日祝休"_s, u"不定休"_s, u"無休"_s, u"月曜休"_s, u"火曜休"_s, u"水曜休"_s,
                           u"木曜休"_s, u"金曜休"_s, u"土曜休"_s, u"日曜休"_s})
    TakeLineWithWord(w, line, f.shopDate);
  TakeTextAfterAny({u"営業時間"_s, u"開店"_s, u"閉店"_s}, line, f.shopTime);
  TakeTextAfterAny({u"交通手段"_s, u"行き方"_s, u"道順"_s, u"アクセス"_s, u"アクセス方法"_s, u"最寄の駅"_s,
                    u"最寄駅"_s, u"ACCESS"_s, u"交通"_s},
                   line, f.shopMichi);
  TakeTextAfterLabel(u"駐車場"_s, line, f.shopCar);
  TakeTextAfterLabel(u"お店のジャンル"_s, line, f.shopCategory);
  TakeTextAfterAny({u"予算"_s, u"平 均 予 算"_s, u"宿泊費"_s}, line, f.budget);
  TakeTextAfterLabel(u"施設"_s, line, f.facilities);
  TakeTextAfterAny({u"会社名"_s, u"COMPANYNAME"_s, u"店名"_s}, line, f.office);

  const QString upper = UpperLatin(line);
  bool company = false;
  for (const QString& w : kCompanyWords)
    if (Contains(upper, w)) {
      company = true;
      break;
    }
  if (company) {
    f.office += line + u' ';
    line.clear();
  }
  if (line.endsWith(u'屋') || EndsWithShopSign(line)) {
    f.office += line + u' ';
    line.clear();
  }
  // An office keeps its line: 事務所 may stand before a person's name.
  if (line.endsWith(u"事務所"_s)) f.office += line + u' ';
  TakeTextAfterAny({u"部署"_s, u"DEPARTMENT"_s}, line, f.office);
  {
    const QString up = UpperLatin(line);
    for (const QString& w : kDepartmentWords)
      if (Contains(up, w)) {
        f.office += line + u' ';
        line.clear();
        break;
      }
  }
  TakeTextAfterAny({u"担当"_s, u"NAME"_s, u"氏名"_s, u"お名前"_s, u"なまえ"_s, u"御芳名"_s, u"代表者"_s}, line,
                   f.name);
  TakeNumberAfterAny({u"℡"_s, u"自宅TEL"_s, u"TEL"_s, u"TEL&FAX"_s, u"PHONE"_s, u"ＴＥＬ"_s, u"電話"_s,
                      u"電話番号"_s, u"携帯"_s},
                     line, f.tel);
  TakeNumberAfterAny({u"自宅FAX"_s, u"FAX"_s, u"ＦＡＸ"_s, u"Ｆａｘ"_s, u"ファックス"_s, u"ファクス"_s,
                      u"TELorURL"_s},
                     line, f.fax);
  TakeNumberAfterAny({u"POSTAL CODE"_s, u"郵便番号"_s, u"〒"_s}, line, f.zip);
  TakeNumberAfterAny({u"ID番号"_s, u"ＩＤ番号"_s, u"登録番号"_s, u"ユーザーＩＤ"_s, u"ユーザーID"_s}, line, f.id);
  TakeTextAfterAny({u"ふりがな"_s, u"フリガナ"_s, u"ﾌﾘｶﾞﾅ"_s, u"振仮名"_s, u"振り仮名"_s, u"読み仮名"_s}, line,
                   f.kana);
  TakeTextAfterAny({u"御購入日"_s, u"ご購入日"_s, u"購入日"_s, u"DATE"_s}, line, f.date);
  TakeTextAfterAny({u"御住所"_s, u"住所"_s, u"住 所"_s, u"住  所"_s, u"住   所"_s, u"住    所"_s, u"所在地"_s,
                    u"ADDRESS"_s, u"お住まい"_s},
                   line, f.address1);
  if (HasAddressUnitAfterFirst(line)) {
    f.address1 += line + u' ';
    line.clear();
  } else {
    const QString up = UpperLatin(line);
    for (const QString& w : kBuildingWords)
      if (Contains(up, w)) {
        f.address2 += line + u' ';
        line.clear();
        break;
      }
  }
  TakeTextAfterLabel(u"役職"_s, line, f.post);
  for (const QString& w : {u"税理士"_s, u"行政書士"_s, u"司法書士"_s, u"公認会計士"_s, u"弁理士"_s,
                           u"社会保険労務士"_s, u"弁護士"_s, u"不動産鑑定士"_s, u"土地家屋調査士"_s})
    CopyLineWithWord(w, line, f.post);
}

// Counted by code points, so that a lone emoji (two UTF-16 units) is one
// character like any other.
bool IsOneRepeatedCharacter(const QString& line) {
  if (line.isEmpty()) return false;
  const char32_t first = line.at(0).isHighSurrogate() && line.size() > 1 && line.at(1).isLowSurrogate()
                             ? QChar::surrogateToUcs4(line.at(0), line.at(1))
                             : line.at(0).unicode();
  const qsizetype step = QChar::requiresSurrogates(first) ? 2 : 1;
  if (line.size() % step != 0) return false;
  const QStringView unit = QStringView(line).left(step);
  for (qsizetype i = step; i < line.size(); i += step)
    if (QStringView(line).mid(i, step) != unit) return false;
  return true;
}

void CleanLine(QString& line, Fields& f) {
  if (line.startsWith(u'>') || line.startsWith(u'＞')) line.remove(0, 1);
  for (QChar& c : line) c = NormaliseChar(c);
  line = TrimBlanks(line);
  qsizetype b = 0;
  while (b < line.size() && kBulletSymbols.contains(line[b])) ++b;
  line.remove(0, b);
  qsizetype e = line.size();
  while (e > 0 && kBulletSymbols.contains(line[e - 1])) --e;
  line.truncate(e);
  if (IsOneRepeatedCharacter(line)) line.clear();
  if (f.top.isEmpty() && !line.isEmpty()) f.top = line;
  line = TrimBlanks(ReplaceAll(ReplaceAll(line, u"[修正]"_s, QString()), u"[更新]"_s, QString()));
}

// Index tables for the surname lists: each surname's place in its list, so a
// line is searched by looking up the characters at each word start instead of
// running every surname over every line. The earliest list entry still wins.
struct SurnameIndex {
  QHash<QString, int> three, two;
  SurnameIndex() {
    const QStringList& t = ThreeCharacterSurnames();
    for (int i = t.size() - 1; i >= 0; --i) three.insert(t[i], i);
    const QStringList& w = TwoCharacterSurnames();
    for (int i = w.size() - 1; i >= 0; --i) two.insert(w[i], i);
  }
};

// Position in trimmed of the surname that comes first in list order (three
// characters before two), at the start or after a blank; -1 for none.
qsizetype FindSurname(const QString& trimmed) {
  static const SurnameIndex index;
  for (const QHash<QString, int>* table : {&index.three, &index.two}) {
    const int len = table == &index.three ? 3 : 2;
    int bestRank = -1;
    qsizetype bestPos = -1;
    for (qsizetype i = 0; i + len <= trimmed.size(); ++i) {
      if (i > 0 && trimmed[i - 1] != u' ') continue;
      const auto it = table->constFind(trimmed.mid(i, len));
      if (it == table->constEnd()) continue;
      if (bestRank < 0 || *it < bestRank) {
        bestRank = *it;
        bestPos = i;
      }
    }
    if (bestPos >= 0) return bestPos;
  }
  return -1;
}

bool IsTelephoneLine(const QString& s) {
  if (s.size() < 7 || s.size() > 14) return false;
  for (QChar c : s)
    if (!(c.unicode() >= u'0' && c.unicode() <= u'9') && c != u'(' && c != u')' && c != u'-') return false;
  return true;
}

bool IsPostcodeLine(const QString& s) {
  if (s.size() != 8 || s[3] != u'-') return false;
  for (qsizetype i = 0; i < 8; ++i)
    if (i != 3 && !(s[i].unicode() >= u'0' && s[i].unicode() <= u'9')) return false;
  return true;
}

bool IsDigitOrHyphen(QChar c) { return (c.unicode() >= u'0' && c.unicode() <= u'9') || c == u'-'; }

void FillFromLeftovers(QStringList& lines, Fields& f) {
  f.address1 = TrimBlanks(f.address1);
  if (!f.address1.isEmpty() && TrimBlanks(f.address2).isEmpty() && f.address1.contains(u' ')) {
    const qsizetype b = f.address1.lastIndexOf(u' ');
    f.address2 = TrimBlanks(f.address1.mid(b + 1));
    f.address1 = TrimBlanks(f.address1.left(b));
  }

  if (f.name.isEmpty()) {
    for (QString& line : lines) {
      const QString t = TrimBlanks(line);
      if (t.size() < 4) continue;
      const qsizetype s = FindSurname(t);
      if (s < 0) continue;
      f.name += t.mid(s) + u' ';
      line = TrimBlanks(t.left(s));
      break;
    }
  }
  if (f.name.isEmpty()) {
    for (QString& line : lines) {
      const qsizetype k = line.indexOf(u'子');
      if (k < 0) continue;
      f.name += line.left(k + 1) + u' ';
      line = TrimBlanks(line.mid(k + 1));
    }
  }
  if (f.tel.isEmpty()) {
    for (QString& line : lines) {
      line = TrimBlanks(line);
      if (IsTelephoneLine(line)) {
        f.tel += line + u' ';
        line.clear();
      }
    }
  }
  if (f.zip.isEmpty()) {
    for (QString& line : lines) {
      line = TrimBlanks(line);
      if (IsPostcodeLine(line)) {
        f.zip += line + u' ';
        line.clear();
      }
    }
  }
  if (!f.mail.isEmpty() && f.name.isEmpty()) {
    qsizetype k = 0;
    while (k < f.mail.size() && (f.mail[k] == u' ' || AnsiByteLen(QString(f.mail[k])) == 2)) ++k;
    if (k > 0) {
      f.name = f.mail.left(k);
      f.mail = f.mail.mid(k);
    }
  }
  if (f.name.isEmpty()) {
    QString* only = nullptr;
    int count = 0;
    for (QString& line : lines)
      if (!TrimBlanks(line).isEmpty()) {
        ++count;
        only = &line;
      }
    if (count == 1) {
      f.name = *only;
      only->clear();
    }
  }
  if (f.office.startsWith(u"社名"_s)) f.office = TrimBlanks(f.office.mid(2));
  if (!f.address1.isEmpty()) {
    if (f.address1.startsWith(u"所在地"_s)) f.address1 = TrimBlanks(f.address1.mid(3));
    if (f.address1.startsWith(u"場所:"_s) || f.address1.startsWith(u"場所："_s))
      f.address1 = TrimBlanks(f.address1.mid(3));
  }
  if (f.zip.isEmpty() && !f.address1.isEmpty()) {
    qsizetype k = 0;
    while (k < f.address1.size() && IsDigitOrHyphen(f.address1[k])) ++k;
    f.zip = f.address1.left(k);
    if (k < f.address1.size()) f.address1 = f.address1.mid(k);
  }
}

QString Remainder(const QStringList& lines, const QString& end) {
  QString out;
  for (const QString& line : lines) {
    const QString t = TrimBlanks(line);
    if (!t.isEmpty()) out += t + end;
  }
  return out;
}

QString Select(const QString& key, const QStringList& lines, const Fields& f) {
  if (key.isEmpty()) return Remainder(lines, u" "_s);
  if (key == u"CRLF"_s) return Remainder(lines, u"\r\n"_s);
  if (key == u"SHOPCATEGORY"_s) {
    static const QHash<QString, QString> map = {
        {u"日本料理"_s, u"和"_s},   {u"洋風料理"_s, u"洋"_s},     {u"国籍料理"_s, u"他"_s}, {u"飲み処"_s, u"宴会"_s},
        {u"甘味処"_s, u"菓子軽食"_s}, {u"中華料理"_s, u"中"_s}, {u"肉料理"_s, u"肉"_s},   {u"スパゲッティ"_s, u"パスタ"_s}};
    return map.value(TrimBlanks(f.shopCategory), f.shopCategory);
  }
  const std::map<QString, const QString*> fields = {
      {u"TOP"_s, &f.top},           {u"ZIP"_s, &f.zip},           {u"ADDRESS1"_s, &f.address1},
      {u"ADDRESS2"_s, &f.address2}, {u"OFFICE"_s, &f.office},     {u"ID"_s, &f.id},
      {u"KANA"_s, &f.kana},         {u"NAME"_s, &f.name},         {u"TEL"_s, &f.tel},
      {u"FAX"_s, &f.fax},           {u"E-MAIL"_s, &f.mail},       {u"MAIL"_s, &f.mail},
      {u"URL"_s, &f.url},           {u"DATE"_s, &f.date},         {u"POST"_s, &f.post},
      {u"SHOPDATE"_s, &f.shopDate}, {u"SHOPTIME"_s, &f.shopTime}, {u"SHOPMICHI"_s, &f.shopMichi},
      {u"SHOPCAR"_s, &f.shopCar},   {u"施設"_s, &f.facilities},   {u"予算"_s, &f.budget}};
  const auto it = fields.find(key);
  return it == fields.end() ? QString() : *it->second;
}

// Every line of the text taken apart, and what was left of the lines.
struct ParsedAddressText {
  QStringList lines;
  Fields fields;
};

ParsedAddressText ParseEveryLine(const QString& text) {
  // Text from the clipboard or a Qt box ends its lines with LF, so every line
  // end is made CR LF-equivalent before the cut; otherwise a pasted block
  // would be taken as one long line.
  QString unified = text;
  unified.replace(u"\r\n"_s, u"\n"_s);
  unified.replace(u'\r', u'\n');
  ParsedAddressText parsed;
  QStringList& lines = parsed.lines;
  lines = unified.split(u'\n');

  if (!lines.isEmpty()) {
    const qsizetype gt = lines[0].indexOf(u'>');
    if (gt >= 0) {
      const QString prefix = lines[0].left(gt + 1);
      int quoted = 0;
      for (const QString& l : lines)
        if (l.startsWith(prefix)) ++quoted;
      if (quoted >= 2)
        for (QString& l : lines)
          if (l.startsWith(prefix)) l.remove(0, prefix.size());
    }
  }

  Fields& f = parsed.fields;
  for (QString& line : lines) {
    CleanLine(line, f);
    TakeMail(line, f);
    TakeUrl(line, f);
    if (line.isEmpty()) continue;
    Classify(line, f);
  }
  FillFromLeftovers(lines, f);
  return parsed;
}

}  // namespace

QString ParseAddressText(const QString& text, const QString& key) {
  // The clipboard button asks for a dozen boxes of the same text in turn:
  // the text is taken apart once and each box picks its field.
  thread_local QString lastText;
  thread_local std::optional<ParsedAddressText> lastParsed;
  if (!lastParsed || text.size() != lastText.size() || text != lastText) {
    lastParsed = ParseEveryLine(text);
    lastText = text;
  }
  const QString upperKey = key.toUpper();
  QString value = Select(upperKey, lastParsed->lines, lastParsed->fields);
  if (upperKey != u"URL"_s && value.endsWith(u'/')) value.chop(1);
  return TrimBlanks(value);
}

void ShowClipboardParserHelp(const QString& subject, const QString& firstLineField) {
  const QStringList rows = {
      u"＜クリップボード解析機能＞"_s,
      QString(),
      u"  インターネットやメールなどで送られてきた"_s + subject + u"を"_s,
      u"  を自動解析して、画面上の各項目に自動的にセットできます。"_s,
      QString(),
      u"  "_s + subject + u"をクリップボードに保管（Ctrl+c)して、このボタンを押してください。"_s,
      QString(),
      u"  クリップボードに保管した先頭行が"_s + firstLineField + u"として保管されます。"_s,
      u"  住所や電話番号があれば、適当に解釈してセットします。"_s,
      u"  解析結果が間違っていることもあるので、内容を手で直してから追加登録してください。"_s,
      QString(),
      u"  クリップボードへの保管方法は、マウスで範囲選択して、"_s,
      u"  Ctrlキーを押したままで、Cのキーを押せばできます。"_s,
  };
  QString text;
  for (const QString& r : rows) text += r + u"\r\n"_s;
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Information);
}
