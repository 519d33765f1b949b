#pragma once
// The find keys of the address window: up to three rows of two keys. A line
// of the address file matches when some row's keys all occur in it, exactly
// and case-sensitively, quotes and commas of the line included.
#include "core/ui/FindDialog.h"

// Whether any of the six keys is filled; with the find flag set, the list and
// the print job are narrowed only then.
bool AnyFindKey(const FindKeys& keys);

// A row counts only when its first key is filled.
bool LineMatchesFindKeys(const QString& rawLine, const FindKeys& keys);
