#pragma once

#include "platform/status.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::platform {

struct FileContent {
    Status status;
    std::string bytes;
};

// The reason given when something other than a regular file stands at a path
// to be read: a folder, a named pipe, a socket or a device.
inline constexpr std::string_view kNotARegularFile = "geen gewoon bestand";

// Files byte for byte: nothing is translated, CR LF stays CR LF. Paths are
// UTF-8; a failure's reason is Windows-1252 text, ready to show.
class FileStore {
public:
    virtual ~FileStore() = default;

    // Up to maxBytes from the start of a regular file. Whatever else stands
    // at the path is refused at once with kNotARegularFile; nothing is ever
    // waited on.
    virtual FileContent readStart(const std::string& path, std::size_t maxBytes) const = 0;
    // Replaces the file in one step. When writing fails, the file that was
    // there stays exactly as it was. Only where the folder forbids new files
    // is a writable file overwritten in place, which a write that stops
    // midway may leave cut short.
    virtual Status writeAtomically(const std::string& path, std::string_view bytes) = 0;
};

} // namespace velmora::platform
