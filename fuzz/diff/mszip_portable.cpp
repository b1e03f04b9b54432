// The mszip decoder with its portable paths only.
#define STUB_PORTABLE_CODECS 1
#define DIFF_NS portable
#include "mszip_build.inc"
