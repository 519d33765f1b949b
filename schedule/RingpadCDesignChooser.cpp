// The design chooser: what a chosen design shows of the print options.
#include "RingpadC.h"

// Choosing a design has no further effect yet.
void RingpadC::Cmb_type_Click() {}
