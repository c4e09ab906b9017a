#pragma once

#include "link/session_events.h"
#include "platform/clock.h"
#include "platform/log_file.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::link {

// How many of the newest lines the journal keeps for its window.
inline constexpr std::size_t kJournalLinesKept = 500;
// A longer text is cut, so that no line floods the log or the window.
inline constexpr std::size_t kLongestJournalText = 1000;

class JournalView {
public:
    virtual ~JournalView() = default;
    // One more line, the oldest kept may have gone.
    virtual void showNewLine(const std::string& line) = 0;
    // The log cannot be written; told once in a run.
    virtual void showLogNotWritable(const std::string& reason) = 0;
};

// The log of everything that reaches or concerns the encoder: one line per
// event, after the local date and time to the second, as in
// "2026-12-09 06:00:00 Verbonden met RX-UNIT1 (versie 1.2, 12-03-02)". Each
// line goes to the log file and to the newest lines kept for the window; a
// file that cannot be written costs nothing but the line on disk.
class Journal : public SessionListener {
public:
    // Starts with the newest lines of earlier runs.
    Journal(platform::LogFile& file, const platform::Clock& clock);

    void sessionEvent(const SessionEvent& event) override;
    // Any other line, such as a file that could not be read; Windows-1252
    // text, of which every control character becomes a space.
    void record(std::string_view text);

    // Oldest first, with their time.
    const std::deque<std::string>& newestLines() const { return lines_; }
    // Why the log could not be written, once it could not.
    const std::optional<std::string>& failure() const { return failure_; }
    // Where the log file lives, as a UTF-8 path.
    std::string folder() const { return file_.folder(); }
    // The window that shows the lines, or nullptr.
    void setView(JournalView* view) { view_ = view; }

private:
    void keep(std::string line);

    platform::LogFile& file_;
    const platform::Clock& clock_;
    std::deque<std::string> lines_;
    std::optional<std::string> failure_;
    JournalView* view_ = nullptr;
};

} // namespace velmora::link
