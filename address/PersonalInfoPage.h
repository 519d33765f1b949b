#pragma once
// The personal information sheet: one organiser page about the entry in the
// editor, its names, numbers, company, address, mail and remarks in labelled
// rows between rules, and an empty table for dated notes below.
#include <QString>

class AddressRecord;

// The user's names for the free fields, as the editor's labels show them.
struct PersonalInfoCaptions {
  QString yobi;    // 予備
  QString biko1;   // 備考
  QString biko2;   // 備考2
};

// Draws the sheet of the entry (the editor's texts, trimmed) between left and
// right; an entry without a reading gives the blank form. Returns 0.
int PrintPersonalInfoPage(const AddressRecord& entry, const PersonalInfoCaptions& captions, double left, double right);
