#pragma once
// The suggestions that the entry-text box offers for each entry kind, and
// what choosing a kind in the kind list does first.
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

// What a newly chosen kind asks of the kind list.
enum class KindChoiceStep {
  SelectNext,       // a separator row: the kind below it is chosen instead
  RefuseTime,       // 時刻 on a design without times: back to the plain kind
  KeepSuggestions,  // the same kind again: the typed text stays
  Refill,           // a new kind: suggestions and text as SuggestionsForKind says
};

// Decides the step for the chosen kind and records the kind whose
// suggestions are shown. Going from 予定 to 実績 keeps the suggestions, so
// that a project label typed after "～01週:" survives the change of kind.
KindChoiceStep DecideKindChoice(const QString& kind, bool designHasTimes, QString& lastEntryKind);

// The message for 時刻 on a design that prints no times.
QString TimeKindRefusal();

struct Suggestions {
  QStringList items;
  // The first item is selected (when there is one).
  bool selectFirst = false;
  // The text the box gets; unset keeps what the user has typed.
  std::optional<QString> text;
};

// The suggestions of a kind. storedPhrases and symbols hold entries 0..50,
// entry 0 unused; the run from entry 1 to the first empty one is offered.
// hour is the hour of the current time (0..23).
Suggestions SuggestionsForKind(const QString& kind, const QStringList& storedPhrases,
                               const QStringList& symbols, int hour);

// "hh:00 " from the next full hour (kept within 8..20) to 20, then the
// morning from 9 up to that hour again.
QStringList HourSuggestions(int hour);

// Where an added entry's text joins the suggestions: -1 when an item equals
// it already (trailing blanks ignored on both sides), otherwise right after
// the first item.
int NewSuggestionPosition(const QStringList& items, const QString& text);

// The time the hour suggestions start from. Tests may fix it; an invalid
// time returns to the clock.
QTime ScheduleNow();
void SetScheduleNow(const QTime& time);
