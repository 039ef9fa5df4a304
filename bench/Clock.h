#pragma once
// The two clocks of the benchmark: wall time from the performance counter, and the CPU time a
// process has used, as the system accounts it.
#include <windows.h>

namespace bench {

class Stopwatch {
public:
    Stopwatch();
    double Seconds() const;  // since construction

private:
    LARGE_INTEGER start_{};
};

// User plus kernel time of every thread of the process, in seconds. Wine reports the times of
// another process's threads (read from Linux's accounting), not the process's own total.
double ProcessCpuSeconds(DWORD processId);

// The smallest step in which ProcessCpuSeconds can move, found by spinning until this thread's
// CPU time changes.
double CpuClockResolution();

}  // namespace bench
