#include "link/journal.h"

#include "link/journal_text.h"

#include <algorithm>
#include <cstdio>

namespace velmora::link {
namespace {

// "2026-12-09 06:00:00 "
std::string timePrefix(const platform::LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d ", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

bool isControl(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 || code == 0x7F;
}

} // namespace

Journal::Journal(platform::LogFile& file, const platform::Clock& clock)
    : file_(file), clock_(clock) {
    for (std::string& line : file_.lastLines(kJournalLinesKept)) {
        lines_.push_back(std::move(line));
    }
}

void Journal::sessionEvent(const SessionEvent& event) {
    record(journalText(event));
}

void Journal::record(std::string_view text) {
    std::string line = timePrefix(clock_.now());
    line += text.substr(0, kLongestJournalText);
    std::replace_if(line.begin(), line.end(), isControl, ' ');
    const platform::Status written = file_.append(line);
    keep(std::move(line));
    if (!written && !failure_) {
        failure_ = written.reason();
        if (view_) {
            view_->showLogNotWritable(*failure_);
        }
    }
}

void Journal::keep(std::string line) {
    while (lines_.size() >= kJournalLinesKept) {
        lines_.pop_front();
    }
    lines_.push_back(std::move(line));
    if (view_) {
        view_->showNewLine(lines_.back());
    }
}

} // namespace velmora::link
