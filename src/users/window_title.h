#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::users {

// The main window's caption is built from the product name, the title-bar
// text T of the options and a name N: the user, or "Nieuw" when nobody
// logged in.
inline constexpr std::string_view kNoUserName = "Nieuw";

// "Velmora", "Velmora  T", "Velmora    (N)" or "Velmora  T    (N)".
std::string composeTitle(std::string_view titleBarText, std::string_view name);

std::string titleAfterLogin(std::string_view titleBarText, std::string_view userName);
std::string titleWithoutLogin(std::string_view titleBarText);
std::string titleOfNewDocument();
// The options window's "&Ok": leaves the caption as it is when both the
// text and the user are empty.
std::optional<std::string> titleAfterOptionsConfirmed(std::string_view titleBarText,
                                                      std::string_view userName);
// The options window's "&Toepassen" never shows the user.
std::string titleAfterOptionsApplied(std::string_view titleBarText);

} // namespace velmora::users
