#pragma once
// The card window's CSV file: option lines at its head (title, the place of
// each column on the card), the CSV header line, then one record per line.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Lists hold at most this many columns and layout lines; the rest is ignored.
constexpr int kCardListLimit = 300;
// The layout picture stands for this many millimetres across, whatever the
// size of its widget; printing scales from it.
constexpr double kCardLayoutWidthMm = 120;

struct CardColumn {
  QString name;       // trimmed header field
  int headerIndex = 0;  // 1-based field number in the header line
  QString position;   // "ITEM,x,y[,...]" or "" when not placed
};

struct CardHead {
  QString title;
  QStringList extraLines;  // option lines kept as they are, in file order
  QString header;          // the first line that is not an option line
  std::vector<CardColumn> columns;
};

// The head of a card file's bytes: option lines up to the header line. The
// records are the user's own data: this program reads them for printing
// (CardJob) and writes them back only as the bytes they are.
CardHead ReadCardFile(const QByteArray& bytes);

// Fields 2 and 3 of a position as numbers; nothing when either is not one.
struct CardPoint {
  double x = 0, y = 0;
};
std::optional<CardPoint> ParseCardPosition(const QString& position);
// Whether a place lies on the card: from its left edge to short of its right
// edge, not above its top. A field placed elsewhere would print off the
// page, so printing leaves it out.
bool CardPointOnCard(const CardPoint& at);
// The names of the placed columns that do not print: their place is off the
// card or not a pair of numbers. The layout editor shows them.
QStringList CardColumnsOffCard(const std::vector<CardColumn>& columns);
// "カードの外にあり印刷されない項目: " and those names joined by "、"; "" when
// every placed column prints. The layout editor shows it and printing tells it.
QString CardOffCardNotice(const std::vector<CardColumn>& columns);
// Fourth field of a position: a decimal RGB colour, or nothing.
std::optional<int32_t> CardPositionColour(const QString& position);
// "ITEM,x,y" with up to seven significant digits each.
QString FormatCardPosition(double x, double y);
QString FormatCardNumber(double value);
// The drop point snapped down to the grid of the default font's half
// character, negatives taken as 0.
CardPoint SnapCardPoint(double x, double y, float defaultFontSize);
// Height of one card in layout millimetres: below the lowest placed field,
// room for a full-width character of the default size and 2 mm; 0 when
// nothing is placed.
double CardHeightOf(const std::vector<CardColumn>& columns, float defaultFontSize);

// What the writer stamps on a head besides the layout: when the layout was
// stored and the data font it was laid out in.
struct CardFileStamp {
  QDateTime stored;
  QString fontName;
  float fontSize = 0;
};
// The head lines the writer puts down: "@TITLE(yyyy/MM/dd HH:mm:ss)=title",
// "@FONTNAME=", "@FONTSIZE=", one "@TABLE_ITEM_XY(name)=position" per placed
// column, then the option lines the head kept.
QStringList CardHeadLines(const CardHead& head, const CardFileStamp& stamp);

// The file rewritten with a new head: the leading run of option lines is
// replaced by headLines, and every line from the header on keeps its bytes,
// records starting with "@" included. Every line ends with CR LF, the card
// file's own line end, whichever of CR LF, LF or a lone CR it was read with,
// so a stored file never mixes line ends.
QByteArray WriteCardFile(const QByteArray& original, const QStringList& headLines);

// The sample file written when the configured file is missing.
QByteArray CardSampleFile();
