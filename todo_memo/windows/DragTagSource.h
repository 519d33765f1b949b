#pragma once
// Makes a control a drag source that carries a tag text ("LIST2",
// "IMAGE_JX"), so that a drop target can tell the sources apart. The drag
// starts only once the pointer has moved the platform's drag distance with
// a button held, so clicks, double-clicks and Shift or Ctrl selection on
// the control work as before.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

class DragTagSource : public QObject {
  Q_OBJECT
 public:
  // Watches the mouse of the widget (for a list, its viewport); the drag
  // shows the pixmap under the pointer.
  DragTagSource(QWidget* watched, const QString& tag, const QPixmap& pixmap, QObject* parent);

  // The MIME type of the tag text.
  static QString MimeType();
  // The tag a drag carries; "" when it carries none of ours.
  static QString TagOf(const QMimeData* data);

  // Tests replace the modal drag loop: the handler gets the tag of each
  // drag that would start. An empty handler restores the real drag.
  using StartHandler = std::function<void(const QString& tag)>;
  static void SetStartHandler(StartHandler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void startDrag();

  QWidget* watched_;
  QString tag_;
  QPixmap pixmap_;
  QPoint pressPos_;
  bool pressed_ = false;
};
