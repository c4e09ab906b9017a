#pragma once

#include "platform/file_store.h"

#include <map>
#include <string>

namespace velmora::fakes {

// Files in memory. failWrites makes every write fail as a read-only folder
// would, leaving the stored files alone; a missing file cannot be read.
class FakeFileStore : public platform::FileStore {
public:
    platform::FileContent readStart(const std::string& path, std::size_t maxBytes) const override;
    platform::Status writeAtomically(const std::string& path, std::string_view bytes) override;

    void put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
    bool has(const std::string& path) const { return files_.contains(path); }
    const std::string& at(const std::string& path) const { return files_.at(path); }
    int writeCount() const { return writeCount_; }

    bool failWrites = false;
    static constexpr std::string_view kWriteFailure = "Toegang geweigerd";
    static constexpr std::string_view kMissing = "Bestand of map bestaat niet";

private:
    std::map<std::string, std::string> files_;
    int writeCount_ = 0;
};

} // namespace velmora::fakes
