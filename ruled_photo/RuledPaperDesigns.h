#pragma once
// The designs of the ruled-paper window and the rules that a design choice
// applies to the side list, the title and the date box.
#include <QString>
#include <QStringList>

constexpr int kRuledDesignCount = 22;
constexpr int kRuledFrameCount = 21;

enum RuledDesign : int {
  kDesignOnePoint = 0,
  kDesignGraph = 1,
  kDesignDot = 2,
  kDesignBlank = 3,
  kDesignRuled = 4,
  kDesignStaff = 5,
  kDesignRuler = 6,
  kDesignHealth = 7,
  kDesignManuscript = 8,
  kDesignGo = 9,
  kDesignShogi = 10,
  kDesignNumberPlace = 11,
  kDesignShopList = 12,
  kDesignRisk = 13,
  kDesignProject = 14,
  kDesignAgeTable = 15,
  kDesignToDo = 16,
  kDesignWideToDo = 17,
  kDesignStickyNote = 18,
  kDesignLattice = 19,
  kDesignMinutes = 20,
  kDesignKanji = 21,
};

// Side numbers of the print code (list position + 1 outside four-fold mode).
enum RuledSide : int { kSideFront = 1, kSideBack = 2, kSideA4Both = 3, kSideA4One = 4, kSideFolded = 5 };

// The captions of the design list, in list order.
QStringList RuledDesignCaptions();
// The option frame of a design (-1 for none) and the frames' captions.
int RuledDesignFrame(int design);
QString RuledFrameCaption(int frame);

// What choosing a design does to the side list, the title and the date box.
struct RuledDesignChoice {
  QStringList sides;
  int selectedSide = 0;
  bool setTitle = false;   // the title box gets `title`
  QString title;
  bool dateBoxShown = false;
  int frame = -1;
};
RuledDesignChoice RuledDesignChoiceOf(int design, bool fourFold);

// The side list before any design applies its own entries.
QStringList BaseSideList(bool fourFold);
