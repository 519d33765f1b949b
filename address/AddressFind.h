#pragma once
// The find keys of the address window: up to three rows of two keys. A line
// of the address file matches when some row's keys all occur in it, exactly
// and case-sensitively, quotes and commas of the line included.
#include <QString>
#include <array>

// Row i reads key1[i] かつ key2[i]; the rows are joined by "又は". The find
// dialog edits the same six boxes; the window hands them over as they are.
struct AddressFindKeys {
  std::array<QString, 3> key1;
  std::array<QString, 3> key2;
};

// Whether any of the six keys is filled; with the find flag set, the list and
// the print job are narrowed only then.
bool AnyFindKey(const AddressFindKeys& keys);

// A row counts only when its first key is filled.
bool LineMatchesFindKeys(const QString& rawLine, const AddressFindKeys& keys);
