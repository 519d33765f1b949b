#include "HealthSheet.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "SingleSteps.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/text/NumberFormat.h"
#include "core/dates/Calendar.h"
#include "core/dates/DateLists.h"

namespace {

const QString kSection = QStringLiteral("DADADA");
const QString kWeekdays = QStringLiteral("日月火水木金土");
// Graph labels stand behind this indent, in the label column.
const QString kGraphIndent = QStringLiteral("　　 ");

int16_t SwitchValue(const QString& text) { return BoxNumber(text) == 1 ? 1 : 0; }

void FillHealthControls(RuledPaperOptions& o) {
  o.Cmb_kenko_items = {QStringLiteral("日付なし"), QStringLiteral("毎日"), QStringLiteral("毎週 (日曜)"),
                       QStringLiteral("曜日なし")};
  o.Cmb_kenko = 0;
  o.txt_kenko_yyyymmdd = DateToText(ScheduleToday());
  const QString one = QStringLiteral("1");
  o.chk_kenko_hosuu = SwitchValue(GetIniValueOrDefault(kSection, QStringLiteral("HOSUU"), one));
  o.Chk_kenko_cycle = SwitchValue(GetIniValue(kSection, QStringLiteral("CYCLE")));
  o.Chk_kenko_ketuatu = SwitchValue(GetIniValue(kSection, QStringLiteral("KETUATU")));
  o.Chk_kenko_ketuatu_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("KETUATU_G")));
  o.Chk_kenko_taijyu_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("TAIJYU_G")));
  o.Chk_kenko_taion_grapth = SwitchValue(GetIniValue(kSection, QStringLiteral("TAION_G")));
  o.Chk_kenko_taisibou = SwitchValue(GetIniValue(kSection, QStringLiteral("TAISIBOU")));
  o.Chk_kenko_kusuri = SwitchValue(GetIniValue(kSection, QStringLiteral("KUSURI")));
  o.chk_kenko_seikatu = SwitchValue(GetIniValueOrDefault(kSection, QStringLiteral("SEIKATU"), one));
}

// One page of the table; y is the top of the next row.
class HealthPage {
 public:
  HealthPage(const RuledPaperOptions& o, float left, float right) : o_(o), left_(left), right_(right) {}

  void draw(QDate& start) {
    const PaperSettingsData& p = PaperSettings;
    QDate S = start.addDays(1 - WeekdayNumber(start));
    DrawPageFrame(left_, right_);
    DrawPageHeader(TrimmedTitle(o_.Txt_Title), left_, right_);
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize - 1);
    h_ = float(p.FootHeight - p.DataHeight) / 26;
    y_ = p.DataHeight;

    SetCurrentX(left_ + 1);
    SetCurrentY(y_ + 1);
    PrintTextInline(QStringLiteral("　　　　"));
    D_ = float(RoundHalfEven(GetCurrentX() + 2));
    w_ = (right_ - D_) / 7;

    label(QStringLiteral("測定日付"));
    text(left_ + 1, y_ + h_ + 1, QStringLiteral(" (曜日)"));
    dayHeads(S);
    y_ += 2 * h_;
    rule(1);

    label(QStringLiteral("体重(kg)"));
    y_ += h_;
    if (o_.Chk_kenko_taijyu_grapth == 1) weightGraph();
    if (o_.Chk_kenko_taisibou == 1) row(QStringLiteral("体脂肪率"), 1, true);
    rule(1);
    if (o_.chk_kenko_hosuu == 1) row(QStringLiteral("歩数"), 1, false);
    if (o_.Chk_kenko_cycle == 1) row(QStringLiteral("自転車"), 1, true);
    rule(1);
    row(QStringLiteral("便(回)"), 1, false);
    rule(1);
    row(QStringLiteral("体温"), 1, false);
    rule(1);
    if (o_.Chk_kenko_taion_grapth == 1) temperatureGraph();
    if (o_.Chk_kenko_ketuatu_grapth == 1 || o_.Chk_kenko_ketuatu == 1) {
      row(QStringLiteral("測定時間"), 1, false);
      dottedFromD();
    }
    if (o_.Chk_kenko_ketuatu == 1) {
      row(QStringLiteral("血圧(高)"), 1, false);
      dottedFromD();
      row(QStringLiteral("    (低)"), 1, false);
      dottedFromD();
      row(QStringLiteral("脈拍"), 1, false);
      rule(1);
    }
    if (o_.Chk_kenko_ketuatu_grapth == 1) pressureGraph();
    if (o_.Chk_kenko_kusuri == 1) {
      row(QStringLiteral("薬名(回)"), 2, false);
      rule(1);
    }
    if (o_.chk_kenko_seikatu == 1) {
      row(QStringLiteral("生活状況"), 4, false);
      rule(1);
    }
    columnLines();
    DrawPageFooter(QString(), left_, right_);
    start = S;
  }

 private:
  void text(float x, float y, const QString& s) {
    SetCurrentX(x);
    SetCurrentY(y);
    PrintTextNewLine(s);
  }
  void label(const QString& s) { text(left_ + 1, y_ + 1, s); }
  void rule(int style) { DrawStyledLine(style, left_, y_, right_, y_, PaperSettings.LineColor); }
  void dottedFromD() { DrawStyledLine(-1, D_, y_, right_, y_, PaperSettings.LineColor); }
  // A labelled row of the given number of row heights, optionally under a dotted rule.
  void row(const QString& name, int heights, bool dottedAbove) {
    if (dottedAbove) rule(-1);
    label(name);
    y_ += float(heights) * h_;
  }

  void dayHeads(QDate& S) {
    const int kind = o_.Cmb_kenko;
    for (int k = 0; k <= 6; ++k) {
      const float x = D_ + float(k) * w_;
      switch (kind) {
        case 0:
          text(x, y_ + h_ + 1, QStringLiteral(" (") + kWeekdays.at(k) + u')');
          break;
        case 1:
          text(x + 1, y_ + 1, S.addDays(k).toString(QStringLiteral("MM/dd")));
          text(x, y_ + h_ + 1, QStringLiteral(" (") + kWeekdays.at(k) + u')');
          break;
        case 2:
          text(x + 1, y_ + 1, S.addDays(7 * k).toString(QStringLiteral("MM/dd")));
          text(x, y_ + h_ + 1, QStringLiteral(" (日)"));
          break;
        case 3:
          text(x, y_ + h_ + 1, QStringLiteral(" (  )"));
          break;
        default:
          break;
      }
    }
    if (kind == 0 || kind == 1) S = S.addDays(7);
    if (kind == 2) S = S.addDays(49);
  }

  // Graph lines from D, labelled ones heavier, `step` mm apart.
  void graph(float from, float to, float down, float step, int labelEvery, float labelScale,
             const QString& format) {
    ForSingleSteps(from, to, -down, [&](float v) {
      y_ += step;
      const long value = std::lround(v);
      if (value % labelEvery == 0) {
        text(left_ + 1, y_ - step, kGraphIndent + FormatNumberPattern(double(value) * labelScale, format));
        DrawStyledLine(2, D_, y_, right_, y_, PaperSettings.LineColor);
      } else {
        DrawStyledLine(-1, D_, y_, right_, y_, PaperSettings.LineColor);
      }
    });
  }

  void weightGraph() {
    int32_t c = BoxWholeNumber(o_.txt_taijyu);
    if (c == 0) c = 50;
    graph(float(c) + 5, float(c) - 5, 1, 3, 5, 1, QStringLiteral("###"));
    y_ += 3;
    rule(1);
  }
  void temperatureGraph() {
    y_ += 2;
    graph(380, 350, 2, 1.5f, 10, 0.1f, QStringLiteral("##"));
    y_ += 1.5f;
    rule(1);
  }
  void pressureGraph() {
    y_ += 2;
    graph(25, 5, 1, 1.5f, 5, 10, QStringLiteral("###"));
    y_ += 1.5f;
    DrawStyledLine(1, D_, y_, right_, y_, PaperSettings.LineColor);
    y_ += 1.5f;
    rule(1);
  }

  void columnLines() {
    const PaperSettingsData& p = PaperSettings;
    const float B = y_;
    ForSingleSteps(D_ + w_, right_ - 2, w_, [&](float x) { DrawStyledLine(-1, x, p.DataHeight, x, B, p.LineColor); });
    DrawStyledLine(1, D_, p.DataHeight, D_, B, p.LineColor);
    DrawStyledLine(1, right_, p.DataHeight, right_, p.FootHeight, p.LineColor);
    DrawStyledLine(1, left_, p.DataHeight, left_, p.FootHeight, p.LineColor);
  }

  const RuledPaperOptions& o_;
  float left_, right_;
  float h_ = 0, y_ = 0, D_ = 0, w_ = 0;
};

}  // namespace

void DrawHealthSheet(RuledPaperOptions& o, double left, double right, QDate& startDate) {
  if (left == 0 && right == 0) {
    FillHealthControls(o);
    return;
  }
  // The driver checks the date before the job; a page without one has no days.
  if (!startDate.isValid()) return;
  HealthPage(o, float(left), float(right)).draw(startDate);
}
