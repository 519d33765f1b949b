#include "AddressCaptions.h"

#include <QStringList>

namespace {

QStringList Sequence(FreeFieldLabel label) {
  switch (label) {
    case FreeFieldLabel::Biko1: return {"", "備考", "ﾒｰﾙ2", "秘書"};
    case FreeFieldLabel::Biko2: return {"", "備考", "ﾒｰﾙ3", "秘書", "家族"};
    case FreeFieldLabel::No: return {"", "ＩＤ", "番号", "ＰＢ", "順番"};
    case FreeFieldLabel::Yobi: return {"", "FAX", "誕生", "予備"};
  }
  return {""};
}

}  // namespace

QString NextFreeFieldCaption(FreeFieldLabel label, const QString& current) {
  const QStringList seq = Sequence(label);
  const qsizetype at = seq.indexOf(current);
  if (at < 0) return QString();
  return seq.at((at + 1) % seq.size());
}

QString FreeFieldCaptionKey(FreeFieldLabel label) {
  switch (label) {
    case FreeFieldLabel::Biko1: return QStringLiteral("LBL_BIKO1");
    case FreeFieldLabel::Biko2: return QStringLiteral("LBL_BIKO2");
    case FreeFieldLabel::No: return QStringLiteral("LBL_NO");
    case FreeFieldLabel::Yobi: return QStringLiteral("LBL_YOBI");
  }
  return QString();
}

QString MailCaptionOf(FreeFieldLabel label) {
  if (label == FreeFieldLabel::Biko1) return QStringLiteral("ﾒｰﾙ2");
  if (label == FreeFieldLabel::Biko2) return QStringLiteral("ﾒｰﾙ3");
  return QString();
}
