#pragma once

#include "platform/status.h"

#include <string>
#include <string_view>

namespace velmora::platform {

struct FileContent {
    Status status;
    std::string bytes;
};

// Whole files, byte for byte: nothing is translated, CR LF stays CR LF.
// Paths are UTF-8; a failure's reason is Windows-1252 text, ready to show.
class FileStore {
public:
    virtual ~FileStore() = default;

    virtual FileContent readAll(const std::string& path) const = 0;
    // Replaces the file in one step. When writing fails, the file that was
    // there stays exactly as it was. Only where the folder forbids new files
    // is a writable file overwritten in place, which a write that stops
    // midway may leave cut short.
    virtual Status writeAtomically(const std::string& path, std::string_view bytes) = 0;
};

} // namespace velmora::platform
