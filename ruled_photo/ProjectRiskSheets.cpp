#include "ProjectRiskSheets.h"

#include <cmath>

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "SingleSteps.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr float kDefaultRiskPitchMm = 4;
// More rules than this would be a grey area, not lines to write on.
constexpr float kMostRiskRules = 1000;
constexpr float kCoverGridMm = 3;
constexpr float kRemarkPitchMm = 5;

// The fields of the project sheet follow one another down the page.
class ProjectFields {
 public:
  ProjectFields(float left, float right) : left_(left), right_(right) {}
  void rule() {
    const float y = GetCurrentY() + 1;
    DrawStyledLine(1, left_, y, right_, y, PaperSettings.LineColor);
  }
  void nextField() {
    SetCurrentY(GetCurrentY() + 1);
    SetCurrentX(left_);
  }
  void lines(const QString& label, int emptyLines) {
    PrintTextNewLine(label);
    for (int i = 0; i < emptyLines; ++i) PrintTextNewLine(QString());
  }
  void pair(const QString& first, const QString& second) {
    PrintTextInline(first);
    SetCurrentX(left_ + (right_ - left_) / 2);
    PrintTextNewLine(second);
  }

 private:
  float left_, right_;
};

void DrawCoverGrid(float right) {
  const PaperSettingsData& p = PaperSettings;
  const float x0 = right + 6;
  const float G = std::floor(0.9f * float(p.PageWidth - p.PageLeft) / kCoverGridMm) * kCoverGridMm;
  ForSingleSteps(x0, x0 + G, kCoverGridMm,
                 [&](float x) { DrawStyledLine(-1, x, p.DataHeight, x, p.FootHeight, p.LineColor); });
  ForSingleSteps(p.DataHeight, p.FootHeight, kCoverGridMm,
                 [&](float y) { DrawStyledLine(-1, x0, y, x0 + G, y, p.LineColor); });
}

}  // namespace

void DrawProjectSheet(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  SetDrawStyle(0);
  SetDrawWidth(1);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize - 1);

  ProjectFields f(l, r);
  SetCurrentX(l);
  SetCurrentY(p.DataHeight + 2);
  f.pair(QStringLiteral("CODE:"), QStringLiteral("登録日:"));
  f.rule();
  if (o.Chk_pro_nouki == 1) {
    f.nextField();
    f.lines(QStringLiteral("納期:               ～"), 0);
    f.rule();
  }
  if (o.Chk_pro_mony == 1) {
    f.nextField();
    f.pair(QStringLiteral("予算:"), QStringLiteral("決算:"));
    f.rule();
  }
  if (o.Chk_pro_cost == 1) {
    f.nextField();
    const float top = GetCurrentY();
    f.lines(QStringLiteral("費用:"), 4);
    const float T = l + (r - l) * 2 / 3;
    DrawStyledLine(-1, T, top, T, GetCurrentY(), p.LineColor);
    f.rule();
  }
  f.nextField();
  f.lines(QStringLiteral("概要:"), 4);
  f.rule();
  if (o.chk_pro_kokyaku == 1) {
    f.nextField();
    f.lines(QStringLiteral("顧客:"), 0);
    f.nextField();
    f.pair(QStringLiteral("TEL:"), QStringLiteral("FAX:"));
    f.nextField();
    f.lines(QStringLiteral("住所:"), 0);
    f.rule();
  }
  f.nextField();
  f.lines(QStringLiteral("主要メンバー:"), 3);
  f.rule();
  f.nextField();
  f.lines(QStringLiteral("備考:"), 0);
  ForSingleSteps(float(p.FootHeight) - kRemarkPitchMm, GetCurrentY() + 1, -kRemarkPitchMm,
                 [&](float y) { DrawStyledLine(-1, l, y, r, y, p.LineColor); });
  if (o.Chk_pro_caver == 1) DrawCoverGrid(r);
  DrawPageFooter(QStringLiteral("Project"), left, right);
}

void DrawRiskSheet(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  float pitch = float(BoxNumber(o.txt_risk_yokokei));
  if (pitch == 0) pitch = kDefaultRiskPitchMm;
  DrawPageFrame(left, right);
  DrawPageHeader(QStringLiteral("リスク名：") + TrimmedTitle(o.Txt_Title), left, right);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  SetCurrentX(l + 1);
  SetCurrentY(p.DataHeight + 2);
  PrintTextNewLine(QStringLiteral("発生予測　　年　　月　　日"));
  SetCurrentX(l + 1);
  SetCurrentY(GetCurrentY() + 1);
  PrintTextNewLine(QStringLiteral("影響：大 / 中 / 小    発生確率:高 / 中 / 低"));
  const float Y0 = GetCurrentY() + 1;
  DrawStyledLine(3, l, Y0, r, Y0, p.LineColor);

  const float space = float(p.FootHeight) - Y0 - 2;
  float n = std::trunc(space / pitch);
  if (n > kMostRiskRules) n = kMostRiskRules;
  SetCurrentX(l + 1);
  SetCurrentY(Y0 + 1);
  PrintTextNewLine(QStringLiteral("分析:"));
  // A pitch taller than the space, or a negative one, leaves the analysis unruled.
  if (n >= 1) {
    const float q = space / n;
    const long m = long(std::trunc(n / 2)) - 1;
    long j = 0;
    ForSingleSteps(Y0 + 1 + q, float(p.FootHeight) - q - 1, q, [&](float y) {
      ++j;
      if (j == m) {
        DrawStyledLine(1, l, y, r, y, p.LineColor);
        SetCurrentX(l + 1);
        SetCurrentY(y + 1);
        PrintTextNewLine(QStringLiteral("対策:"));
      } else {
        DrawStyledLine(-1, l, y, r, y, p.LineColor);
      }
    });
  }
  DrawPageFooter(QStringLiteral("問題の発生が明確であれば、対策を実施すること"), left, right);
}
