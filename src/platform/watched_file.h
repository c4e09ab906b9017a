#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace velmora::platform {

// A file that another program rewrites now and then, followed by its path:
// the handler runs after each change, also when a new file is renamed over
// it, when it disappears and when it comes back.
class WatchedFile {
public:
    virtual ~WatchedFile() = default;

    // Follows the file at this UTF-8 path from now on; an empty path follows nothing.
    virtual void follow(const std::string& path) = 0;
    virtual void setChangedHandler(std::function<void()> handler) = 0;
    // Up to maxBytes from the start of the file; nothing when it is not there
    // or cannot be read.
    virtual std::optional<std::string> readStart(std::size_t maxBytes) const = 0;
};

} // namespace velmora::platform
