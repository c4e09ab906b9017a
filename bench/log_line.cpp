// The cost of one line of the log on the user-interface thread: a
// Journal::record with the program's clock and its log file on disk, each line
// flushed, over enough lines to rotate the file five times. Prints "name
// value" lines.

#include "link/journal.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_log_file.h"

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

int main() {
    const QTemporaryDir folder;
    velmora::platform::QtLogFile file(folder.path());
    const velmora::platform::QtClock clock;
    velmora::link::Journal journal(file, clock);
    // As long as a live radiotext line with a prefix, and a little more.
    const std::string text = "Live radiotekst verstuurd: Nu op Noord FM: " + std::string(100, 'x');
    const std::size_t lines = velmora::platform::kLogFileSize * 6 / (text.size() + 30);

    std::vector<double> microseconds;
    microseconds.reserve(lines);
    for (std::size_t line = 0; line < lines; ++line) {
        const auto start = std::chrono::steady_clock::now();
        journal.record(text);
        microseconds.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    if (journal.failure()) {
        std::fprintf(stderr, "log_line: the log could not be written: %s\n",
                     journal.failure()->c_str());
        return 1;
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("log_lines %zu\n", lines);
    std::printf("log_line_us %.1f\n",
                std::accumulate(microseconds.begin(), microseconds.end(), 0.0) /
                    static_cast<double>(lines));
    std::printf("log_line_max_us %.0f\n", microseconds.back());
    return 0;
}
