#include "SurnameDictionary.h"

// Written by hand for this program from everyday knowledge of the commonest
// Japanese family names (no outside list was copied); it is the program's own
// data under the program's licence.
using namespace Qt::StringLiterals;

const QStringList& ThreeCharacterSurnames() {
  static const QStringList list = {
      u"佐々木"_s, u"長谷川"_s, u"五十嵐"_s, u"久保田"_s, u"大久保"_s, u"小野寺"_s, u"宇都宮"_s, u"長谷部"_s, u"佐久間"_s, u"小笠原"_s,
      u"四ノ宮"_s, u"大和田"_s, u"小野田"_s, u"阿久津"_s, u"東海林"_s, u"五味田"_s, u"江戸川"_s, u"伊集院"_s, u"八重樫"_s, u"西園寺"_s,
      u"菅野谷"_s, u"宇佐美"_s, u"小早川"_s, u"大河原"_s, u"日比野"_s,
  };
  return list;
}

const QStringList& TwoCharacterSurnames() {
  static const QStringList list = {
      u"佐藤"_s, u"鈴木"_s, u"高橋"_s, u"田中"_s, u"伊藤"_s, u"渡辺"_s, u"山本"_s, u"中村"_s, u"小林"_s, u"加藤"_s,
      u"吉田"_s, u"山田"_s, u"山口"_s, u"松本"_s, u"井上"_s, u"木村"_s, u"林田"_s, u"斎藤"_s, u"清水"_s,
      u"山崎"_s, u"森田"_s, u"阿部"_s, u"池田"_s, u"橋本"_s, u"山下"_s, u"石川"_s, u"中島"_s, u"前田"_s, u"藤田"_s,
      u"小川"_s, u"後藤"_s, u"岡田"_s, u"村上"_s, u"近藤"_s, u"石井"_s, u"斉藤"_s, u"坂本"_s, u"遠藤"_s,
      u"青木"_s, u"藤井"_s, u"西村"_s, u"福田"_s, u"太田"_s, u"三浦"_s, u"藤原"_s, u"岡本"_s, u"松田"_s, u"中川"_s,
      u"中野"_s, u"原田"_s, u"小野"_s, u"田村"_s, u"竹内"_s, u"金子"_s, u"和田"_s, u"中山"_s, u"石田"_s, u"上田"_s,
      u"森本"_s, u"原口"_s, u"柴田"_s, u"酒井"_s, u"工藤"_s, u"横山"_s, u"宮崎"_s, u"宮本"_s, u"内田"_s, u"高木"_s,
      u"安藤"_s, u"谷口"_s, u"大野"_s, u"丸山"_s, u"今井"_s, u"高田"_s, u"藤本"_s, u"武田"_s, u"村田"_s, u"上野"_s,
      u"杉山"_s, u"増田"_s, u"平野"_s, u"大塚"_s, u"千葉"_s, u"久保"_s, u"松井"_s, u"小島"_s, u"岩崎"_s, u"桜井"_s,
      u"野口"_s, u"松尾"_s, u"野村"_s, u"木下"_s, u"菊地"_s, u"佐野"_s, u"大西"_s, u"杉本"_s, u"新井"_s, u"浜田"_s,
      u"菅原"_s, u"市川"_s, u"水野"_s, u"小松"_s, u"島田"_s, u"古川"_s, u"小山"_s, u"高野"_s, u"西田"_s, u"菊池"_s,
      u"山内"_s, u"西川"_s, u"北村"_s, u"安田"_s, u"中田"_s, u"川口"_s, u"平田"_s, u"川崎"_s, u"飯田"_s,
      u"吉川"_s, u"本田"_s, u"沢田"_s, u"辻本"_s, u"関口"_s, u"吉村"_s, u"渡部"_s, u"荒木"_s, u"堀田"_s, u"松下"_s,
      u"野田"_s, u"熊谷"_s, u"小池"_s, u"服部"_s, u"望月"_s, u"岩田"_s, u"中西"_s, u"早川"_s, u"小西"_s,
      u"片山"_s, u"桑原"_s, u"永井"_s, u"大石"_s, u"川村"_s, u"松岡"_s, u"本間"_s, u"藤川"_s, u"内藤"_s, u"中原"_s,
      u"大谷"_s, u"今村"_s, u"星野"_s, u"細川"_s, u"岩本"_s, u"平井"_s, u"河野"_s, u"堀内"_s, u"大橋"_s, u"北川"_s,
      u"小田"_s, u"秋山"_s, u"広瀬"_s, u"石原"_s, u"土屋"_s, u"河合"_s, u"松村"_s, u"山中"_s, u"富田"_s, u"西山"_s,
      u"福島"_s, u"吉岡"_s, u"奥村"_s, u"三宅"_s, u"関根"_s, u"相馬"_s, u"浅野"_s, u"矢野"_s, u"小沢"_s, u"大川"_s,
      u"松浦"_s, u"荒井"_s, u"榎本"_s, u"宮田"_s, u"福井"_s, u"川上"_s, u"大島"_s, u"黒田"_s, u"小泉"_s, u"上原"_s,
      u"稲葉"_s, u"竹田"_s, u"須藤"_s, u"田口"_s, u"森下"_s, u"岡崎"_s, u"長田"_s, u"南部"_s, u"栗原"_s, u"田辺"_s,
      u"大森"_s, u"高山"_s, u"吉野"_s, u"西野"_s, u"宮下"_s, u"青山"_s, u"坂口"_s, u"村井"_s, u"岡村"_s, u"奥田"_s,
      u"宮川"_s, u"横田"_s, u"篠原"_s, u"杉浦"_s, u"松原"_s, u"尾崎"_s, u"金田"_s, u"川端"_s, u"安井"_s, u"西岡"_s,
      u"根本"_s, u"大沢"_s, u"永田"_s, u"佐伯"_s, u"米田"_s, u"片岡"_s, u"横井"_s, u"野中"_s, u"黒川"_s, u"岩井"_s,
      u"成田"_s, u"長尾"_s, u"上村"_s, u"中井"_s, u"筒井"_s, u"長野"_s, u"石橋"_s, u"加納"_s, u"福本"_s, u"三上"_s,
      u"梅田"_s, u"岡野"_s, u"浅井"_s, u"大木"_s, u"田島"_s, u"小出"_s, u"宮内"_s, u"森川"_s, u"小倉"_s, u"前川"_s,
      u"西尾"_s, u"坂井"_s, u"大竹"_s, u"三木"_s, u"丹羽"_s, u"宇野"_s, u"内山"_s, u"谷川"_s,
  };
  return list;
}
