#include "timed_simulator.h"

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora::bench {

TimedSimulator::TimedSimulator(const std::string& program,
                               const std::vector<std::string>& arguments) {
    int output[2];
    if (::pipe(output) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    reader_ = std::thread([this, fd = output[0]] { readLines(fd); });
}

TimedSimulator::~TimedSimulator() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    reader_.join(); // the pipe ends with the simulator
}

void TimedSimulator::readLines(int fd) {
    std::string partial;
    char buffer[4096];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) {
        const Clock::time_point now = Clock::now();
        partial.append(buffer, static_cast<std::size_t>(count));
        const std::lock_guard lock(mutex_);
        for (std::size_t end; (end = partial.find('\n')) != std::string::npos;) {
            lines_.push_back({now, partial.substr(0, end)});
            partial.erase(0, end + 1);
        }
    }
    ::close(fd);
}

std::size_t TimedSimulator::lineCount() const {
    const std::lock_guard lock(mutex_);
    return lines_.size();
}

std::vector<TimedSimulator::Line> TimedSimulator::linesFrom(std::size_t first) const {
    const std::lock_guard lock(mutex_);
    if (first >= lines_.size()) {
        return {};
    }
    return {lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.end()};
}

} // namespace velmora::bench
