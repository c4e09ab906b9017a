#include "link/receive.h"

#include "link/wire_protocol.h"

#include <algorithm>
#include <utility>

namespace velmora::link {

ReceiveMachine::ReceiveMachine(MessageHandler onMessage) : onMessage_(std::move(onMessage)) {
    collected_.reserve(kCollectLimit);
}

void ReceiveMachine::feed(std::string_view bytes) {
    // A call from inside the message handler appends behind the characters
    // still waiting and assembles them all; the outer call then finds nothing
    // left. Nothing here may hold on to pending_ across the handler.
    pending_.append(bytes);
    while (next_ < pending_.size()) {
        if (caretSeen_) {
            takeMarked(pending_[next_++]);
            continue;
        }
        const std::size_t caret = std::min(pending_.find(kCaret, next_), pending_.size());
        if (inFrame_) {
            collect(std::string_view(pending_).substr(next_, caret - next_));
        }
        next_ = caret;
        if (caret < pending_.size()) {
            caretSeen_ = true;
            ++next_;
        }
    }
    discardPending();
}

void ReceiveMachine::discardPending() {
    pending_.clear();
    next_ = 0;
}

// One character while the caret state is set.
void ReceiveMachine::takeMarked(char c) {
    switch (c) {
    case kCaret:
        return;
    case kStartLetter:
        caretSeen_ = false;
        inFrame_ = true;
        return;
    case kEndLetter: {
        caretSeen_ = false;
        inFrame_ = false;
        const std::string message = collected_;
        collected_.clear();
        onMessage_(message);
        return;
    }
    case letters::kProgrammeService:
    case letters::kRadiotext:
    case letters::kDecoder:
        caretSeen_ = false;
        break;
    default:
        break;
    }
    if (inFrame_) {
        collect(std::string_view(&c, 1));
    }
}

void ReceiveMachine::collect(std::string_view characters) {
    const std::size_t room = kCollectLimit - collected_.size();
    collected_.append(characters.substr(0, room));
}

} // namespace velmora::link
