#pragma once

#include "platform/log_file.h"

#include <algorithm>
#include <optional>

namespace velmora::fakes {

// A log in memory: its folder, the lines of earlier runs, the lines appended,
// and a switch that makes every append fail with a reason.
class FakeLogFile : public platform::LogFile {
public:
    platform::Status append(std::string_view line) override {
        if (failure) {
            return platform::Status::failure(*failure);
        }
        lines.emplace_back(line);
        return platform::Status::success();
    }
    std::string folder() const override { return folderPath; }
    std::vector<std::string> lastLines(std::size_t count) const override {
        const std::size_t kept = std::min(count, earlier.size());
        return {earlier.end() - static_cast<std::ptrdiff_t>(kept), earlier.end()};
    }

    std::string folderPath;
    std::vector<std::string> earlier;
    std::vector<std::string> lines;
    std::optional<std::string> failure;
};

} // namespace velmora::fakes
