#pragma once
// Makes the page windows of this library known to the main window.

void RegisterTablesCardsPages();
