// The quantum decoder as built for this host.
#define DIFF_NS fast
#include "quantum_build.inc"
