#include "users/window_title.h"

namespace velmora::users {

std::string composeTitle(std::string_view titleBarText, std::string_view name) {
    std::string title = "Velmora";
    if (!titleBarText.empty()) {
        title.append("  ").append(titleBarText);
    }
    if (!name.empty()) {
        title.append("    (").append(name).append(")");
    }
    return title;
}

std::string titleAfterLogin(std::string_view titleBarText, std::string_view userName) {
    return composeTitle(titleBarText, userName);
}

std::string titleWithoutLogin(std::string_view titleBarText) {
    return composeTitle(titleBarText, kNoUserName);
}

std::string titleOfNewDocument() {
    return composeTitle({}, kNoUserName);
}

std::optional<std::string> titleAfterOptionsConfirmed(std::string_view titleBarText,
                                                      std::string_view userName) {
    if (titleBarText.empty() && userName.empty()) {
        return std::nullopt;
    }
    return composeTitle(titleBarText, userName);
}

std::string titleAfterOptionsApplied(std::string_view titleBarText) {
    return composeTitle(titleBarText, {});
}

} // namespace velmora::users
