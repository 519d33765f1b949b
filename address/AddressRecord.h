#pragma once
// One entry of the address book: the fields of one line of the address file,
// numbered from 1 in header order. A line may carry more fields than the
// header names (other programs add columns); they are all kept, so that
// rewriting an entry never drops what it held.
#include <QString>
#include <QStringList>

// Field numbers, named after the header names they stand for.
enum AddressField : int {
  kFieldKana = 1,          // カナ名: reading, first part of the sort key
  kFieldBunrui = 2,        // 分類: category
  kFieldName = 3,          // 氏名
  kFieldHandle = 4,        // 愛称
  kFieldTel = 5,           // 電話 (mobile)
  kFieldJitaku = 6,        // 自宅電話
  kFieldFlags = 7,         // 各種フラグ
  kFieldKaisyaName = 8,    // 会社名
  kFieldKaisyaTel = 9,     // 会社ＴＥＬ
  kFieldZip = 10,          // 〒
  kFieldAddress1 = 11,     // 住所１
  kFieldAddress2 = 12,     // 住所２
  kFieldMail = 13,         // mail
  kFieldBikou = 14,        // 備考
  kFieldBikou2 = 15,       // 備考2
  kFieldKaisyaFax = 16,    // 会社ＦＡＸ
  kFieldYobi = 17,         // 予備
  kFieldNo = 18,           // 番号
  kFieldBikou3 = 19,       // 備考3: the one multi-line field
  kFieldUrl = 20,          // URL
  kFieldPost = 21,         // 会社役職
  kFieldKaisyaZip = 22,    // 会社〒
  kFieldKaisyaAddress1 = 23,
  kFieldKaisyaAddress2 = 24,
  kFieldKaisyaNaisen = 25,
  kFieldKaisyaPc = 26,
  kFieldKaisyaIp = 27,
  kFieldKaisyaMac = 28,
  kFieldKaisyaSeat = 29,
};

// Fields 1 to this are written on every line, empty or not.
constexpr int kAddressAlwaysWritten = 21;
// The fields the editor has a box for; later ones are carried along.
constexpr int kAddressEditedFields = 21;

// Line 1 of every address file, written unquoted.
extern const QString kAddressHeader;

class AddressRecord {
 public:
  AddressRecord() = default;

  // Reads one line of the address file (quotes optional, comma or TAB);
  // 備考3 comes back as a multi-line text with CR LF breaks.
  static AddressRecord FromLine(const QString& line);
  // Only fields 1 to lastField, for a reader that needs no more (the entry
  // list): the rest of the line is not split.
  static AddressRecord FromLineHead(const QString& line, int lastField);

  // The line as the address file stores it: every field quoted, fields 1 to
  // 21 always, later ones up to the last that is not empty.
  QString toLine() const;

  // Field n (1-based); empty for any field the line did not have.
  QString field(int n) const;
  void setField(int n, const QString& value);
  // Number of the last field held (not necessarily non-empty).
  int fieldCount() const { return static_cast<int>(fields_.size()); }

 private:
  QStringList fields_;  // element 0 is field 1
};
