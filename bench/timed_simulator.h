#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace velmora::bench {

using Clock = std::chrono::steady_clock;

// encoder-sim as a child process whose log lines are stamped the moment they
// arrive, on this process's clock, by a thread of their own: the program's
// event loop neither delays nor jitters the stamps.
class TimedSimulator {
public:
    struct Line {
        Clock::time_point at;
        std::string text;
    };

    TimedSimulator(const std::string& program, const std::vector<std::string>& arguments);
    ~TimedSimulator();
    TimedSimulator(const TimedSimulator&) = delete;
    TimedSimulator& operator=(const TimedSimulator&) = delete;

    bool started() const { return pid_ > 0; }
    std::size_t lineCount() const;
    // The lines from this index on.
    std::vector<Line> linesFrom(std::size_t first) const;

private:
    void readLines(int fd);

    pid_t pid_ = -1;
    std::thread reader_;
    mutable std::mutex mutex_;
    std::vector<Line> lines_;
};

} // namespace velmora::bench
