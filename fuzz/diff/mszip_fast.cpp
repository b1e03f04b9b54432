// The mszip decoder as built for this host.
#define DIFF_NS fast
#include "mszip_build.inc"
