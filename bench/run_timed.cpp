// Runs a command and records what it cost: wall time, and the user and
// system CPU time and peak resident set of the whole process tree (the
// command, its threads and every child it waited for), as wait4 reports
// them. GNU time prints the same counters only to the hundredth of a
// second, too coarse for runs of a few tenths.
//
// usage: run_timed RESULT_FILE COMMAND [ARG]...
// Writes "WALL USER SYSTEM MAXRSS_KIB" (seconds, microsecond precision) to
// RESULT_FILE and exits with the command's status (128 + signal if it was
// killed, 127 if it could not be started). The command inherits standard
// input, output and error.
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "bench_clock.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: run_timed RESULT_FILE COMMAND [ARG]...\n");
        return 2;
    }
    const double start = Now();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("run_timed: fork");
        return 127;
    }
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        perror(argv[2]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        perror("run_timed: wait4");
        return 127;
    }
    const double wall = Now() - start;
    FILE* out = fopen(argv[1], "w");
    if (!out) {
        perror(argv[1]);
        return 127;
    }
    fprintf(out, "%.6f %.6f %.6f %ld\n", wall, Seconds(usage.ru_utime), Seconds(usage.ru_stime),
            usage.ru_maxrss);
    if (fclose(out) != 0) {
        perror(argv[1]);
        return 127;
    }
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}
