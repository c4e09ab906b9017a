#pragma once

#include "platform/file_store.h"

namespace velmora::platform {

// Station files on disk. A save goes to a temporary file in the same folder,
// which then replaces the old file with the old file's permissions. In a
// folder where no new file may be made, as in a shared station folder, a
// writable file is overwritten in place instead.
class QtFileStore : public FileStore {
public:
    FileContent readStart(const std::string& path, std::size_t maxBytes) const override;
    Status writeAtomically(const std::string& path, std::string_view bytes) override;
};

} // namespace velmora::platform
