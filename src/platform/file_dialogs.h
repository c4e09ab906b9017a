#pragma once

#include <optional>
#include <string>

namespace velmora::platform {

struct FileDialogRequest {
    std::string title;
    // Filter in the "description|pattern|description|pattern" form.
    std::string filter;
    // Empty: the default station folder.
    std::string initialFolder;
    std::string initialFile;
};

// The common Open and Save As dialogs. An empty optional means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    virtual std::optional<std::string> askFileToOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> askFileToSave(const FileDialogRequest& request) = 0;
};

} // namespace velmora::platform
