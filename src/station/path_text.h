#pragma once

#include <string>
#include <string_view>

namespace velmora::station {

// Paths come from the file dialogs and go to the file store as UTF-8, while
// the settings store and everything shown keep Windows-1252 text. These two
// convert where a path crosses between them.
std::string utf8PathFromText(std::string_view windows1252);
// Characters the code page cannot hold, and bytes that are no UTF-8, show as "?".
std::string textFromUtf8Path(std::string_view utf8);

} // namespace velmora::station
