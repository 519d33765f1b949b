#include "CardColumnList.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>

#include "CardLayoutPicture.h"

CardColumnList::CardColumnList(QWidget* parent) : QListWidget(parent) {
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void CardColumnList::startDrag(Qt::DropActions) {
  const int row = currentRow();
  if (row < 0) return;
  auto* mime = new QMimeData;
  mime->setData(kCardFieldMimeType, CardDragPayload(QStringLiteral("LIST2"), row));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->exec(Qt::CopyAction | Qt::MoveAction);
}

void CardColumnList::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kCardFieldMimeType)) event->acceptProposedAction();
}

void CardColumnList::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kCardFieldMimeType)) event->acceptProposedAction();
}

void CardColumnList::dropEvent(QDropEvent* event) {
  QString source;
  int index = -1;
  if (!ParseCardDragPayload(event->mimeData()->data(kCardFieldMimeType), source, index)) return;
  event->acceptProposedAction();
  if (onDrop) onDrop(source, index);
}
