#include "SearchKeys.h"

#include "core/text/StringHelpers.h"

QString SearchKeyText;
int16_t SearchDialogPlacement = 0;
int16_t SearchDialogResult = 0;

bool NormaliseFindKeyRows(FindKeyRow& key1, FindKeyRow& key2) {
  for (size_t row = 0; row < key1.size(); ++row) {
    key1[row] = TrimBlanks(key1[row]);
    key2[row] = TrimBlanks(key2[row]);
    if (key1[row].isEmpty() && key2[row].isEmpty()) continue;
    if (key1[row].isEmpty()) {
      key1[row] = key2[row];
      key2[row].clear();
    }
    return true;
  }
  return false;
}

QPoint SearchDialogPosition(const QRect& mainFrame, const QSize& dialogSize, int16_t placement,
                            int currentLeft, int edge, const QRect& screen) {
  int top = mainFrame.top() + (mainFrame.height() - dialogSize.height()) / 2;
  int left = currentLeft;
  switch (placement) {
    case 0: left = mainFrame.left() + edge; break;
    case 1: left = mainFrame.left() + (mainFrame.width() - dialogSize.width()) / 2; break;
    case 2: left = mainFrame.left() + mainFrame.width() - edge - dialogSize.width(); break;
    default: break;
  }
  if (top < screen.top()) top = screen.top();
  if (top + dialogSize.height() > screen.top() + screen.height())
    top = screen.top() + screen.height() - dialogSize.height();
  return QPoint(left, top);
}
