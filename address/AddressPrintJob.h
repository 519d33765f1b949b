#pragma once
// An address print job once the window has read its choices: which page
// each design draws, and the sheets of the job's print code run through
// core/print, from the scale and orientation to the end of the document.
#include <QString>

#include "AddressPrintLines.h"
#include "AddressRecord.h"
#include "PersonalInfoPage.h"
#include "PostcardAddress.h"
#include "RuledPhoneBook.h"

struct AddressPrintJob {
  QString design;  // the design list's text, trimmed
  int designIndex = 0;
  int sideIndex = 0;  // index of the side list
  int sortIndex = 0;
  QString category;            // the filter item, trimmed
  RuledPhoneBookOptions book;  // 住所 and extra boxes, the 予備 caption, the icons
  QString noCaption;           // the 番号 caption of the packed list
  AddressRecord entry;         // the editor's entry, each text trimmed (personal information)
  PersonalInfoCaptions captions;
  PostcardRecipient recipient;  // the editor's texts as typed (postcard and labels)
};

// Prints the job's sheets on the job that the print dialog began, then ends
// the document. A design and side that cannot be printed yet draw nothing
// and say so.
void PrintAddressJob(const AddressPrintJob& job, const AddressPrintLines& lines);
