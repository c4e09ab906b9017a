#pragma once

#include "platform/status.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// The log on disk, one line at a time. Lines are Windows-1252 text without a
// line end; the file keeps them in UTF-8.
class LogFile {
public:
    virtual ~LogFile() = default;

    // Adds the line and flushes it. A failure never throws and never waits:
    // the line is lost, and the reason is Windows-1252 text, ready to show.
    virtual Status append(std::string_view line) = 0;
    // The folder the log lives in, as a UTF-8 path, also before it exists.
    virtual std::string folder() const = 0;
    // Up to count of the newest lines already in the log, oldest first;
    // nothing when there is no log yet or it cannot be read.
    virtual std::vector<std::string> lastLines(std::size_t count) const = 0;
};

} // namespace velmora::platform
