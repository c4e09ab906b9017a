// The receive path on its own, then the whole encoder link, from the same bytes.

#include "fuzz_input.h"
#include "link_session.h"
#include "receive_chunking.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::fuzz;
    checkReceiveIgnoresChunking(std::string_view(reinterpret_cast<const char*>(data), size));
    FuzzInput input(data, size);
    playLinkSession(input);
    return 0;
}
