#pragma once

#include "platform/watched_file.h"

#include <algorithm>

namespace velmora::fakes {

// A followed file in memory: write() and remove() change it and run the
// handler, as the playout system's writes would.
class FakeWatchedFile : public platform::WatchedFile {
public:
    void follow(const std::string& path) override { path_ = path; }
    void setChangedHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    std::optional<std::string> readStart(std::size_t maxBytes) const override {
        if (!content_) {
            return std::nullopt;
        }
        return content_->substr(0, std::min(maxBytes, content_->size()));
    }

    void write(std::string content) {
        content_ = std::move(content);
        changed();
    }
    void remove() {
        content_.reset();
        changed();
    }
    const std::string& path() const { return path_; }

private:
    void changed() {
        if (handler_) {
            handler_();
        }
    }

    std::string path_;
    std::optional<std::string> content_;
    std::function<void()> handler_;
};

} // namespace velmora::fakes
