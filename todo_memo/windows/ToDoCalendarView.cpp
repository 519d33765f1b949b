#include "ToDoCalendarView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

#include "core/ui/Twips.h"

namespace {

// Where a cell's text starts inside it, in twips from the cell's corner.
constexpr double kTextOffsetX = 90;
constexpr double kTextOffsetY = 50;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

QColor DayColour(int16_t flag) {
  switch (flag) {
    case todo::kHolidayFlag: return kRed;
    case todo::kRestDayFlag: return kMagenta;
    default: return Qt::black;
  }
}

}  // namespace

ToDoCalendarView::ToDoCalendarView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
}

void ToDoCalendarView::ShowMonth(const QDate& marked, const todo::DayGridTable& grid,
                                 const todo::DayFlagTable& flags) {
  marked_ = marked;
  grid_ = grid;
  flags_ = flags;
  update();
}

void ToDoCalendarView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const double w = width();
  const double h = height();
  const int dx = TwipsToPixelsX(kTextOffsetX);
  const int dy = TwipsToPixelsY(kTextOffsetY);

  QFont normal = font();
  normal.setBold(false);
  const QFontMetrics metrics(normal);
  // Day numbers line up on their last digit, as if one-digit days had a
  // blank in front: each shows right of its cell's offset by what it falls
  // short of two digits.
  const int twoDigits = metrics.horizontalAdvance(QStringLiteral("00"));

  // Each text starts at its cell's corner plus the offset, its top there.
  // One layout both measures and draws it: its glyphs are looked up once.
  // Bold strikes the text a second time a pixel to the right, as a face
  // with no bold of its own is emboldened: a bold font of its own would
  // cost a second font match and glyph cache for the eight bold texts.
  auto print = [&](const QString& text, bool isBold, double cellX, double cellY, bool rightAlignTwo) {
    QTextLayout layout(text, normal);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const int baseline = static_cast<int>(cellY) + dy + metrics.ascent();
    int left = static_cast<int>(cellX) + dx;
    if (rightAlignTwo) left += twoDigits - qRound(line.naturalTextWidth());
    const QPointF at(left, baseline - line.ascent());
    line.draw(&p, at);
    if (isBold) line.draw(&p, at + QPointF(1, 0));
  };

  const QString header = QStringLiteral("日月火水木金土");
  for (int k = 0; k < 7; ++k) {
    p.setPen(k == 0 ? kRed : k == 6 ? kBlue : QColor(Qt::black));
    print(header.mid(k, 1), true, k * w / 7, 0, false);
  }

  for (int row = 1; row <= 6; ++row) {
    for (int column = 0; column < 7; ++column) {
      const int day = grid_[column][row];
      if (day == 0) continue;
      p.setPen(DayColour(flags_[day]));
      print(QString::number(day), marked_.isValid() && day == marked_.day(), w * column / 7, h * row / 7, true);
    }
  }

  p.setPen(QPen(Qt::black, 1));
  for (int f = 1; f <= 6; ++f) {
    const int x = static_cast<int>(std::lround(w * f / 7));
    p.drawLine(x, 0, x, static_cast<int>(std::lround(h)));
    const int y = static_cast<int>(std::lround(h * f / 7));
    p.drawLine(0, y, static_cast<int>(std::lround(w)), y);
  }
}

void ToDoCalendarView::mousePressEvent(QMouseEvent* event) {
  if (onMouseDown) {
    const QPoint at = event->position().toPoint();
    onMouseDown(at.x(), at.y());
  }
}

void ToDoCalendarView::mouseDoubleClickEvent(QMouseEvent*) {
  if (onDoubleClick) onDoubleClick();
}
