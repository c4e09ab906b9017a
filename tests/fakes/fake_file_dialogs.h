#pragma once

#include "platform/file_dialogs.h"

#include <vector>

namespace velmora::fakes {

// Dialogs that record every request and give the prepared answer; an empty
// answer is a cancel.
class FakeFileDialogs : public platform::FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Shown {
        Kind kind;
        platform::FileDialogRequest request;
    };

    std::optional<std::string> askFileToOpen(const platform::FileDialogRequest& request) override;
    std::optional<std::string> askFileToSave(const platform::FileDialogRequest& request) override;

    const std::vector<Shown>& shown() const { return shown_; }

    std::optional<std::string> answer;

private:
    std::vector<Shown> shown_;
};

} // namespace velmora::fakes
