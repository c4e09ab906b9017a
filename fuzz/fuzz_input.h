#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora::fuzz {

// The fuzzer's bytes, read front to back as a series of choices. Once they
// run out, every choice reads as 0 and every text as empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool empty() const { return rest_.empty(); }

    std::uint8_t byte() {
        if (rest_.empty()) {
            return 0;
        }
        const auto value = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return value;
    }

    // The next count bytes, or as many as are left.
    std::string_view bytes(std::size_t count) {
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(taken.size());
        return taken;
    }

    // A text of up to 255 bytes whose length is given by the byte before it.
    std::string_view text() { return bytes(byte()); }

    std::string_view remaining() { return bytes(rest_.size()); }

private:
    std::string_view rest_;
};

} // namespace velmora::fuzz
