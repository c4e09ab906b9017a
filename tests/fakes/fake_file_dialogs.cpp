#include "fakes/fake_file_dialogs.h"

namespace velmora::fakes {

std::optional<std::string>
FakeFileDialogs::askFileToOpen(const platform::FileDialogRequest& request) {
    shown_.push_back({Kind::Open, request});
    return answer;
}

std::optional<std::string>
FakeFileDialogs::askFileToSave(const platform::FileDialogRequest& request) {
    shown_.push_back({Kind::Save, request});
    return answer;
}

} // namespace velmora::fakes
