#pragma once

#include "link/journal.h"

#include <string>
#include <vector>

namespace velmora::fakes {

// Keeps what a journal tells its window.
class RecordingJournalView : public link::JournalView {
public:
    void showNewLine(const std::string& line) override { lines.push_back(line); }
    void showLogNotWritable(const std::string& reason) override { failures.push_back(reason); }

    std::vector<std::string> lines;
    std::vector<std::string> failures;
};

} // namespace velmora::fakes
