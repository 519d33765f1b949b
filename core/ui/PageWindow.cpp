#include "PageWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

PageWindow::PageWindow(QWidget* parent) : QWidget(parent) {}

QPushButton* PageWindow::NewCommandButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  if (caption.isEmpty()) button->hide();
  return button;
}

void PageWindow::ArrangeInRow(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout(this);
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
}

void PageWindow::closeEvent(QCloseEvent* event) {
  int16_t cancel = 0;
  Form_QueryUnload(cancel, UnloadMode::ControlMenu);
  if (cancel != 0)
    event->ignore();
  else
    event->accept();
}
