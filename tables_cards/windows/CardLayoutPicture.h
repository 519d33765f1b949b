#pragma once
// The card window's layout picture: one card drawn at the top, its repeats
// in grey below. It works in millimetres of a fixed width
// (kCardLayoutWidthMm) and scales that to whatever size the widget has, so
// positions never depend on the window or the screen.
#include <QRectF>
#include <QWidget>
#include <functional>
#include <vector>

#include "CardFile.h"

// What a drag inside the card window carries: where it started and which
// column it moves.
extern const char* const kCardFieldMimeType;
QByteArray CardDragPayload(const QString& source, int index);
bool ParseCardDragPayload(const QByteArray& data, QString& source, int& index);

class CardLayoutPicture : public QWidget {
  Q_OBJECT
 public:
  explicit CardLayoutPicture(QWidget* parent = nullptr);

  // The columns drawn; set by the window on every change.
  void setColumns(const std::vector<CardColumn>* columns) { columns_ = columns; }
  double mmPerPixel() const;
  QPointF toMm(QPointF px) const { return px * mmPerPixel(); }

  // The line naming the placed fields that do not print (off the card or
  // unreadable), "" when there are none; painted at the picture's foot.
  QString offCardNotice() const;

  // The rubber band of the "BOX" tool (visual only).
  QRectF band;
  bool bandVisible = false;

  // The window handles drops and presses in millimetres.
  std::function<void(const QString& source, int index, QPointF mm)> onDrop;
  std::function<int(QPointF mm)> onPress;  // index of the field picked up, -1 none

 protected:
  void paintEvent(QPaintEvent*) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const std::vector<CardColumn>* columns_ = nullptr;
};
