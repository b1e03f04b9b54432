// Seconds as the benchmark tools report them: CPU times from rusage, and
// wall time from the monotonic clock.
#ifndef STUB_BENCH_BENCH_CLOCK_H
#define STUB_BENCH_BENCH_CLOCK_H

#include <sys/time.h>
#include <time.h>

inline double Seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

inline double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

#endif
