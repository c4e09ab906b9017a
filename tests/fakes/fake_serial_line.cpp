#include "fakes/fake_serial_line.h"

namespace velmora::fakes {

platform::SerialLine::OpenResult FakeSerialLine::open(int portNumber) {
    lastPortNumber_ = portNumber;
    if (open_) {
        return OpenResult::PortInUse;
    }
    open_ = nextOpenResult == OpenResult::Opened;
    return nextOpenResult;
}

void FakeSerialLine::write(std::string_view bytes) {
    if (open_) {
        writes_.emplace_back(bytes);
    }
}

void FakeSerialLine::receive(std::string_view bytes) {
    if (receiveHandler_) {
        receiveHandler_(bytes);
    }
}

void FakeSerialLine::vanish() {
    open_ = false;
    if (lostHandler_) {
        lostHandler_();
    }
}

void FakeSerialLine::failOpen(OpenResult result) {
    open_ = false;
    if (openFailedHandler_) {
        openFailedHandler_(result);
    }
}

std::string FakeSerialLine::written() const {
    std::string all;
    for (const auto& w : writes_) {
        all += w;
    }
    return all;
}

} // namespace velmora::fakes
