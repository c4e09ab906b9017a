#include "receive_chunking.h"

#include "link/receive.h"
#include "link/wire_protocol.h"
#include "property.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velmora::fuzz {
namespace {

// Feeds the bytes in chunks of 1 to 8, each next chunk from inside the
// handler of a message when there is one.
class ChunkedReceiver {
public:
    explicit ChunkedReceiver(std::string_view bytes) : bytes_(bytes) {}

    std::vector<std::string> messages() {
        while (next_ < bytes_.size()) {
            feedNextChunk();
        }
        return std::move(messages_);
    }

private:
    void feedNextChunk() {
        // Each chunk's first byte chooses its length: 1 to 8 bytes.
        const std::size_t length = 1 + static_cast<std::uint8_t>(bytes_[next_]) % 8U;
        const std::string_view chunk = bytes_.substr(next_, length);
        next_ += chunk.size();
        machine_.feed(chunk);
    }

    void take(std::string_view message) {
        messages_.emplace_back(message);
        if (depth_ < kDeepestNesting && next_ < bytes_.size()) {
            ++depth_;
            feedNextChunk();
            --depth_;
        }
    }

    static constexpr int kDeepestNesting = 8;
    std::string_view bytes_;
    std::size_t next_ = 0;
    int depth_ = 0;
    std::vector<std::string> messages_;
    link::ReceiveMachine machine_{[this](std::string_view message) { take(message); }};
};

} // namespace

void checkReceiveIgnoresChunking(std::string_view bytes) {
    std::vector<std::string> whole;
    link::ReceiveMachine machine{
        [&whole](std::string_view message) { whole.emplace_back(message); }};
    machine.feed(bytes);
    for (const std::string& message : whole) {
        require(message.size() <= link::ReceiveMachine::kCollectLimit,
                "a message never outgrows the receive buffer");
        require(message.find(link::kCaret) == std::string::npos, "carets never reach a message");
    }
    require(ChunkedReceiver(bytes).messages() == whole,
            "the messages do not depend on how the bytes arrive");
}

} // namespace velmora::fuzz
