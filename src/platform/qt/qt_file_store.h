#pragma once

#include "platform/file_store.h"

namespace velmora::platform {

// Station files on disk. A save goes to a temporary file in the same folder,
// which then replaces the old file.
class QtFileStore : public FileStore {
public:
    FileContent readAll(const std::string& path) const override;
    Status writeAtomically(const std::string& path, std::string_view bytes) override;
};

} // namespace velmora::platform
