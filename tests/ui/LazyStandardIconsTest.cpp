// Standard icons made on first use look exactly as the style's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <memory>

#include "core/ui/LazyStandardIcons.h"

namespace {

QImage paintedIcon(const QIcon& icon, int size, QIcon::Mode mode) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.paint(&painter, QRect(0, 0, size, size), Qt::AlignCenter, mode);
  return image;
}

TEST(LazyStandardIconsTest, IconsLookAsTheStyleDrawsThem) {
  const QString name = QApplication::style()->name();
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
  const LazyStandardIconStyle lazy(QStyleFactory::create(name));
  ASSERT_TRUE(plain);
  for (QStyle::StandardPixmap which :
       {QStyle::SP_TitleBarMenuButton, QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton,
        QStyle::SP_TitleBarMinButton, QStyle::SP_TitleBarNormalButton, QStyle::SP_TitleBarMaxButton,
        QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOkButton}) {
    SCOPED_TRACE(int(which));
    const QIcon expected = plain->standardIcon(which);
    const QIcon made = lazy.standardIcon(which);
    EXPECT_EQ(made.isNull(), expected.isNull());
    EXPECT_EQ(made.availableSizes(), expected.availableSizes());
    for (int size : {12, 16, 20, 32, 64}) {
      for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
        EXPECT_EQ(made.actualSize(QSize(size, size), mode), expected.actualSize(QSize(size, size), mode)) << size;
        EXPECT_EQ(made.pixmap(size, mode).toImage(), expected.pixmap(size, mode).toImage()) << size << mode;
        EXPECT_EQ(paintedIcon(made, size, mode), paintedIcon(expected, size, mode)) << size << mode;
      }
    }
    // A copy made before the first use shares what is made.
    const QIcon copy = lazy.standardIcon(which);
    const QIcon second = copy;
    EXPECT_EQ(second.pixmap(16).toImage(), expected.pixmap(16).toImage());
  }
}

}  // namespace
