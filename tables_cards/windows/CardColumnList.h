#pragma once
// The card window's column list: a drag source for placing a column on the
// layout picture, and a drop target for taking a placed field off again.
#include <QListWidget>
#include <functional>

class CardColumnList : public QListWidget {
  Q_OBJECT
 public:
  explicit CardColumnList(QWidget* parent = nullptr);
  std::function<void(const QString& source, int index)> onDrop;

 protected:
  void startDrag(Qt::DropActions actions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};
