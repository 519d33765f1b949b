#pragma once
// Address labels: A4 sheets of twelve labels, two columns of six, one chosen
// entry a label, in the print order.
struct AddressPrintLines;

// Draws the labels of the page (from 1); withCompany adds the company and
// title lines and lets the title choose the honorific. Returns 1 when the
// entries ran out on this page (its remaining labels are drawn empty).
int PrintAddressLabels(int withCompany, int page, const AddressPrintLines& lines);
