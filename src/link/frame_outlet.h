#pragma once

#include "platform/serial_line.h"

#include <functional>
#include <string_view>

namespace velmora::link {

// How the line stands for frames that go out by themselves, such as the live
// radiotext: closed while no connection stands, held while a fill puts its
// frames on it, free otherwise.
enum class LineUse { Closed, HeldByFill, Free };

// The one place every frame to the encoder leaves from. A writer that goes by
// itself follows the line's use here, so no writer needs to know another.
class FrameOutlet {
public:
    explicit FrameOutlet(platform::SerialLine& line) : line_(line) {}

    // Writing to a closed port does nothing.
    void send(std::string_view frame);
    bool isPortOpen() const { return line_.isOpen(); }

    LineUse use() const { return use_; }
    // The handler runs on every change, after the new use is in force.
    void setUse(LineUse use);
    void setUseChangedHandler(std::function<void(LineUse)> handler) {
        useChanged_ = std::move(handler);
    }

private:
    platform::SerialLine& line_;
    LineUse use_ = LineUse::Closed;
    std::function<void(LineUse)> useChanged_;
};

} // namespace velmora::link
