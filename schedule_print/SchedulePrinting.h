#pragma once
// Gives the schedule window's print button its printing.
void RegisterSchedulePrinting();
