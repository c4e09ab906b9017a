#pragma once

#include <string_view>

namespace velmora::fuzz {

// Assembling messages may not depend on how the bytes are cut into
// deliveries, nor on deliveries that arrive from inside the message handler,
// as they do while a modal window is up: the bytes fed whole and the bytes
// fed in chunks give the same messages. Each message is also free of carets
// and fits the receive buffer.
void checkReceiveIgnoresChunking(std::string_view bytes);

} // namespace velmora::fuzz
