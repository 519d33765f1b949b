#pragma once
// The to-do window's month calendar (Pic1): the weekday header and the days
// of one month in a seven-by-seven grid, painted at whatever size the widget
// has. The window hands it the month to show and gets its clicks back.
#include <QDate>
#include <QWidget>
#include <functional>

#include "ToDoCalendar.h"

class ToDoCalendarView : public QWidget {
  Q_OBJECT
 public:
  explicit ToDoCalendarView(QWidget* parent = nullptr);

  // Shows the month of marked, that day bold, coloured by the flags.
  void ShowMonth(const QDate& marked, const todo::DayGridTable& grid, const todo::DayFlagTable& flags);
  const QDate& MarkedDate() const { return marked_; }

  // Called with the point pressed (any button) and on a double click.
  std::function<void(int x, int y)> onMouseDown;
  std::function<void()> onDoubleClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QDate marked_;
  todo::DayGridTable grid_{};
  todo::DayFlagTable flags_{};
};
