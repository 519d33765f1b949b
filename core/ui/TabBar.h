#pragma once
// A bar of tabs drawn into a picture, as the schedule and table windows use
// it to switch their panels. The window draws it with DrawTabBar when it
// loads and calls TabBarClick from the bar's MouseDown signal.
#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>

class TabBar : public QWidget {
  Q_OBJECT
 public:
  explicit TabBar(QWidget* parent = nullptr);

  // The comma-separated captions, kept as the picture's tag.
  const QString& Tag() const { return tag_; }
  // The colour of the selected tab.
  QColor FillColor() const { return fillColor_; }
  void setFillColor(const QColor& c);
  int16_t SelectedTab() const { return selected_; }

  // Stores the captions and the selected tab and draws the bar again.
  void drawTabs(const QString& captions, int16_t selected);

 signals:
  // A mouse press in the bar, x and y in the bar's pixels.
  void MouseDown(int button, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString tag_;
  QColor fillColor_;
  int16_t selected_ = 0;
};

// Draws the tabs of the captions with tab `selected` (from 1) highlighted in
// the bar's fill colour, the others in the button-face colour, and stores the
// captions in the bar's tag. A number outside 1..n highlights no tab.
void DrawTabBar(TabBar* picture, const QString& captions, int16_t selected);

// The number of the tab under x (from 1; n + 1 in a rest at the right end);
// draws the bar again with that tab selected.
int16_t TabBarClick(TabBar* picture, int16_t x);
