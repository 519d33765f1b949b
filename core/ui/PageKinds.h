#pragma once
// The page keywords of ShowPageForm: which page item passes each one and how
// the File menu is dressed for it, and which page-window button each File item
// presses (PageFormCommands).
#include <QString>
#include <array>

// The seven File items that follow the chosen page, in menu order.
enum class FileItem { New, Read, Write, Import, Export, Search, Help };
constexpr int kFileItemCount = 7;

struct PageKindInfo {
  const char* kind;          // the keyword, lower case
  const char* pageItemName;  // objectName of the page's menu item
  // Caption of each File item on this page, by FileItem; "" = not offered.
  std::array<QString, kFileItemCount> fileCaptions;
};

// The row of the keyword (compared in lower case); nullptr for "option" and
// any keyword not in the table.
const PageKindInfo* FindPageKind(const QString& keyword);

// The button a File item presses on the page window of the keyword.
QString PageCommandButtonName(FileItem item, const QString& pageKind);

// The page items that ShowPageForm enables, by objectName.
const std::array<const char*, 10>& PageItemNames();
