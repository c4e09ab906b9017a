#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace velmora::link {

// Assembles the characters from the encoder into messages.
//
// A caret sets the caret state, which only "B", "E", "P", "R" and "D" clear:
// "^B" starts a frame, "^E" ends it and hands the collected characters over as
// a message, and "P", "R" or "D" after a caret stay in the message. Any other
// character leaves the caret state set, so after "^I" or "^S" the first plain
// "B" is dropped and the first plain "E" ends the message. Carets never reach a
// message, characters outside a frame are dropped, and "^B" inside a frame
// keeps what was collected.
//
// The message handler may show a modal window in which more characters
// arrive; feed() then carries on with them in order of arrival, and the
// machine is consistent whenever the handler runs.
class ReceiveMachine {
public:
    using MessageHandler = std::function<void(std::string_view message)>;

    // The size of the line's receive buffer: a frame whose end mark never
    // comes cannot make the collected text grow beyond it.
    static constexpr std::size_t kCollectLimit = 1024;

    explicit ReceiveMachine(MessageHandler onMessage);

    void feed(std::string_view bytes);
    // Drops the characters handed to feed() that are not yet assembled, as
    // closing the port does with unread input. The caret state, the in-frame
    // flag and the collected text stay.
    void discardPending();

    std::string_view collected() const { return collected_; }

private:
    void takeMarked(char c);
    void collect(std::string_view characters);

    MessageHandler onMessage_;
    std::string pending_;
    std::size_t next_ = 0;
    std::string collected_;
    bool caretSeen_ = false;
    bool inFrame_ = false;
};

} // namespace velmora::link
