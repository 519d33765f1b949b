#pragma once
// Every page library registers its page windows with the main window here;
// the program and the tests both start from this one list.
#include "address/windows/AddressPages.h"
#include "charts/windows/ChartsPages.h"
#include "ruled_photo/windows/RuledPhotoPages.h"
#include "schedule/windows/SchedulePages.h"
#include "schedule_print/SchedulePrinting.h"
#include "tables_cards/windows/TablesCardsPages.h"
#include "todo_memo/windows/TodoMemoPages.h"

inline void RegisterAllPages() {
  RegisterTodoMemoPages();
  RegisterSchedulePages();
  RegisterSchedulePrinting();
  RegisterAddressPages();
  RegisterRuledPhotoPages();
  RegisterTablesCardsPages();
  RegisterChartsPages();
}
