#pragma once
// One photo on an organiser page: the picture fitted, scaled and placed in
// the page body, with its title and description, on one of six sheet sides.
#include <QImage>
#include <QString>

struct PhotoPageOptions {
  int fit = 0;      // 用紙のサイズに合わせる … 画像を用紙いっぱいに
  int side = 0;     // 表面, 裏面, ２折, ３折, Ａ４左端, Ａ４右端
  int scale = 0;    // 0 is 100 %, 9 is 10 %
  int anchor = 0;   // 左上 … 中央左
  bool pictureOnly = false;  // as the user sees it: fits 3 and 4 are always picture-only
  bool titleRule = false;    // 表題罫線
  bool monochrome = false;   // 白黒用: hard edges kept when stretching
  QString title;
  QString text;
  QImage picture;  // the printed image (stretched to the body when asked)
};

// Fits 3 and 4 hide the picture-only box, and with it the texts.
bool PhotoPrintsPictureOnly(const PhotoPageOptions& o);

// The picture turned left by 90 degrees: (x, y) goes to (y, W - 1 - x).
QImage TurnPictureLeft(const QImage& picture);
// The picture stretched to the proportions of the current size's page body
// (body height over page width less the binder margin), width kept. A large
// picture that stretching would make larger still keeps its own number of
// pixels instead: a camera's 24 megapixels stretched to a tall body took
// 260 MB and still printed no finer than the camera's own pixels.
QImage StretchPictureToBody(const QImage& picture);
// The size StretchPictureToBody gives a picture of this size; the size
// itself when the current page body has no proportions.
QSize StretchedBodySize(const QSize& picture);

// Pictures up to this size are stretched with their width kept, whatever
// they grow to.
constexpr qint64 kMostStretchedPixels = 16'000'000;

void DrawPhotoPage(const PhotoPageOptions& o, double left, double right);
void DrawPhotoPageFolded(const PhotoPageOptions& o, double a, double b);

// The renderers of a photo job's plan: the page between x1 and x2, the page
// folded (across the sheet between x1 and x2 as heights), and the page that
// ends at the right edge of the sheet as it lies.
enum PhotoRenderer : int16_t { kPhotoPageAt = 0, kPhotoPageFolded = 1, kPhotoPageAtSheetEdge = 2 };

// The one page of a photo job on the side the options name (none for a side
// outside 0 to 5).
struct SheetPlan;
SheetPlan PlanPhotoPages(int side);

// One job of one page on the side the options name; the print dialog has
// already been answered.
void PrintPhotoPages(const PhotoPageOptions& o);
