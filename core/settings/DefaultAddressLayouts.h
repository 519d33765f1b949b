#pragma once
// The settings sections that place an address on a postcard or an envelope,
// and the sender block, as written with the defaults.

// Writes the sender block JXPOST when its NAME1 is empty (a filled-in block
// is the user's and stays), then overwrites JXPOST_CARD, JXPOST_L4,
// JXPOST_L3 and JXPOST_KAKU3.
void WriteDefaultAddressLayouts();
