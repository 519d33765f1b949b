#pragma once
// The style's standard icons (the menu bar's overflow arrow, the page
// windows' title buttons, the message boxes' pictures) are read from picture
// files the moment a widget asks for them, and reading the first one makes
// Qt load every picture-format plug-in it has. Most of these icons are never drawn in
// a session, or only long after the main window first shows; with this style
// each is read when it is first drawn or measured. The icons and everything
// else look as the application's own style draws them.
#include <QProxyStyle>

class LazyStandardIconStyle : public QProxyStyle {
 public:
  // Takes ownership of the style it stands in front of.
  explicit LazyStandardIconStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// Puts the application's style behind a LazyStandardIconStyle. Call once,
// after the QApplication is made and before the first widget.
void UseLazyStandardIcons();
