// Any prefix and any start of a file give a live radiotext payload of exactly
// 65 bytes: 64 bytes the encoder can show, no control byte and none of the
// five bytes Windows-1252 leaves undefined, then the active flag. The prefix
// shows first, and nothing after the file's first line end counts.

#include "fuzz_input.h"
#include "link/live_text.h"
#include "property.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::fuzz {
namespace {

using link::kLiveTextReadLimit;
using link::liveRadiotextPayload;

constexpr std::size_t kTextWidth = 64;

bool isShowable(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

void checkPayload(std::string_view payload, std::string_view prefix) {
    require(payload.size() == kTextWidth + 1, "the payload is 65 bytes");
    require(payload.back() == '1', "the payload ends in the active flag");
    const std::string_view text = payload.substr(0, kTextWidth);
    require(std::all_of(text.begin(), text.end(), isShowable),
            "the text holds no control byte and no undefined byte");
    std::string shownPrefix(prefix.substr(0, kTextWidth));
    std::replace_if(
        shownPrefix.begin(), shownPrefix.end(), [](char c) { return !isShowable(c); }, ' ');
    require(text.starts_with(shownPrefix), "the prefix shows first, control bytes as spaces");
}

} // namespace
} // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::fuzz;
    FuzzInput input(data, size);
    const std::string_view prefix = input.text();
    const std::string_view fileStart = input.remaining();
    const std::string payload = liveRadiotextPayload(prefix, fileStart);
    checkPayload(payload, prefix);
    const std::size_t lineEnd = fileStart.find_first_of("\r\n");
    if (lineEnd < kLiveTextReadLimit) {
        require(liveRadiotextPayload(prefix, fileStart.substr(0, lineEnd)) == payload,
                "nothing after the first line end counts");
    }
    return 0;
}
