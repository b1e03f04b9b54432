// The lzx decoder with its portable paths only.
#define STUB_PORTABLE_CODECS 1
#define DIFF_NS portable
#include "lzx_build.inc"
