#include "AddressFile.h"

#include "AddressRecord.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

QStringList ReadAddressFile(const QByteArray& bytes) { return platform::FromSjisLines(bytes); }

QByteArray WriteAddressFile(const QStringList& lines) { return platform::JoinLinesCrLf(lines); }

QStringList AddressFile::DefaultLines() {
  return {
      kAddressHeader,
      QStringLiteral("0,便利電話,時報,,117,,0|0|0|0|0|0|0|"),
      QStringLiteral("0,便利電話,天気,,177,,0|0|0|0|0|0|0|"),
      QStringLiteral("0,便利電話,電報,,115,,0|0|0|0|0|0|0|"),
      QStringLiteral("0,便利電話,電話番号案内,,104,,0|1|0|0|0|0|0|"),
      // The user's own entry, to be overwritten with real details.
      QStringLiteral("ｼﾞﾌﾞﾝ,自分,自分の名前,じぶん,090-0000-0000,03-0000-0000,0|1|0|0|0|0|0|,"
                     "わたしの店,03-0000-0001,100-0001,東京都千代田区千代田1-1,ビル１Ｆ,"
                     "me@example.jp,,,03-0000-0002,03-0000-0003,,,,店主"),
      QStringLiteral("ｵﾄﾓﾀﾞﾁﾞ,友人,おともだち,,090-1234-5678,03-123-4567,0|1|0|0|0|0|0|"),
      QStringLiteral("ｶｲｼｬﾉｼﾞｮｳｼ,自社,かいしゃの上司,,090-1234-5678,03-123-4567,1|1|0|0|0|0|0|"),
  };
}
