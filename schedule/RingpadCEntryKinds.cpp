// The entry kinds: the suggestions that a chosen kind offers.
#include "RingpadC.h"

// Choosing a kind has no further effect yet.
void RingpadC::Cmb_yasumi_Click() {}
