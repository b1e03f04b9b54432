// The lzx decoder as built for this host.
#define DIFF_NS fast
#include "lzx_build.inc"
