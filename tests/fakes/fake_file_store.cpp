#include "fakes/fake_file_store.h"

namespace velmora::fakes {

platform::FileContent FakeFileStore::readStart(const std::string& path,
                                               std::size_t maxBytes) const {
    const auto found = files_.find(path);
    if (found == files_.end()) {
        return {platform::Status::failure(std::string(kMissing)), {}};
    }
    return {platform::Status::success(), found->second.substr(0, maxBytes)};
}

platform::Status FakeFileStore::writeAtomically(const std::string& path, std::string_view bytes) {
    if (failWrites) {
        return platform::Status::failure(std::string(kWriteFailure));
    }
    ++writeCount_;
    files_[path] = std::string(bytes);
    return platform::Status::success();
}

} // namespace velmora::fakes
