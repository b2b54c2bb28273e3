// The CPU time the calling thread has used, for timing work in-process.
#pragma once

#include <ctime>

namespace conkit::bench {

inline double ThreadCpuUs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

}  // namespace conkit::bench
