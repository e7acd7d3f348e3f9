#pragma once
// The process's peak resident size so far, for the benchmarks' memory counters.

#include <sys/resource.h>

inline double PeakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}
