#include "Clock.h"

#include <tlhelp32.h>

#include <stdexcept>

#include "platform/UniqueHandle.h"

namespace bench {

namespace {

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;  // 100 ns units
}

double ThreadCpuSeconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
    return Seconds(kernel) + Seconds(user);
}

}  // namespace

Stopwatch::Stopwatch() { QueryPerformanceCounter(&start_); }

double Stopwatch::Seconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double ProcessCpuSeconds(DWORD processId) {
    platform::unique_hfile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) throw std::runtime_error("no thread snapshot");
    double total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more;
         more = Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != processId) continue;
        platform::unique_handle thread(
            OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
        if (thread) total += ThreadCpuSeconds(thread.get());
    }
    return total;
}

double CpuClockResolution() {
    const double start = ThreadCpuSeconds(GetCurrentThread());
    double now = start;
    while (now == start) now = ThreadCpuSeconds(GetCurrentThread());
    const double first = now;  // a step boundary: the next change is one whole step away
    while (now == first) now = ThreadCpuSeconds(GetCurrentThread());
    return now - first;
}

}  // namespace bench
