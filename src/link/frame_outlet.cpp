#include "link/frame_outlet.h"

namespace velmora::link {

void FrameOutlet::send(std::string_view frame) {
    if (line_.isOpen()) {
        line_.write(frame);
    }
}

void FrameOutlet::setUse(LineUse use) {
    if (use == use_) {
        return;
    }
    use_ = use;
    if (useChanged_) {
        useChanged_(use);
    }
}

} // namespace velmora::link
