#pragma once
// Makes a control take drops of the drags that DragTagSource starts, and
// only those whose tag it lists: anything else dragged over it, from this
// program or another, is refused under the pointer and never dropped.
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

class TagDropTarget : public QObject {
  Q_OBJECT
 public:
  using DropHandler = std::function<void(const QString& tag, const QPoint& position)>;
  // The handler gets the tag and the drop point in the widget's coordinates,
  // from the event loop just after the drop.
  TagDropTarget(QWidget* widget, const QStringList& tags, DropHandler handler, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QStringList tags_;
  DropHandler handler_;
};
