#pragma once

#include <chrono>
#include <ctime>

namespace paluksen::bench {

// Wall time is what the user waits for; processor time of this process beside it shows how
// much of a slow figure was other programs taking the processor.
struct Lap {
    double seconds = 0;
    double processorSeconds = 0;
};

class Stopwatch {
public:
    Lap lap() const { return {seconds(), processorSeconds()}; }
    double seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }
    double processorSeconds() const { return processorNow() - processorStart_; }

private:
    static double processorNow()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    }

    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    double processorStart_ = processorNow();
};

} // namespace paluksen::bench
