#pragma once

#include <string>
#include <string_view>

namespace velmora::encodersim {

// Bytes as a quoted, one-line text: printable ASCII stays, a quote and a
// backslash get a backslash, every other byte becomes \xNN.
std::string printable(std::string_view bytes);

} // namespace velmora::encodersim
