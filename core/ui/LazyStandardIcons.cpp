#include "LazyStandardIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

namespace {

// Stands for a standard icon until the icon is first used, then hands every
// question to the icon the style makes. Clones share the made icon.
class DeferredStandardIconEngine : public QIconEngine {
 public:
  struct Source {
    QPointer<QStyle> style;
    QStyle::StandardPixmap which;
    QPointer<QWidget> widget;
    bool made = false;
    QIcon icon;
  };

  explicit DeferredStandardIconEngine(std::shared_ptr<Source> source) : source_(std::move(source)) {}

  // The rectangle is already fitted to the icon: drawn as a picture engine
  // draws, not fitted a second time.
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, made().pixmap(rect.size(), ratio, mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (!(scale > 0)) scale = 1.0;
    return made().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return made().availableSizes(mode, state);
  }
  QString iconName() override { return made().name(); }
  bool isNull() override { return made().isNull(); }
  QString key() const override { return QStringLiteral("LazyStandardIcon"); }
  QIconEngine* clone() const override { return new DeferredStandardIconEngine(source_); }

 private:
  const QIcon& made() {
    Source& s = *source_;
    if (!s.made) {
      s.made = true;
      if (s.style) s.icon = s.style->standardIcon(s.which, nullptr, s.widget.data());
    }
    return s.icon;
  }

  std::shared_ptr<Source> source_;
};

}  // namespace

LazyStandardIconStyle::LazyStandardIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon LazyStandardIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                          const QWidget* widget) const {
  // An option cannot be kept for later: such a request is answered now.
  if (option) return QProxyStyle::standardIcon(which, option, widget);
  auto source = std::make_shared<DeferredStandardIconEngine::Source>();
  source->style = baseStyle();
  source->which = which;
  source->widget = const_cast<QWidget*>(widget);
  return QIcon(new DeferredStandardIconEngine(std::move(source)));
}

void UseLazyStandardIcons() {
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  if (!base) return;
  QApplication::setStyle(new LazyStandardIconStyle(base));
}
