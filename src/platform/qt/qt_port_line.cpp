#include "platform/qt/qt_port_line.h"

#include "platform/qt/port_links.h"

namespace velmora::platform {

SerialLine::OpenResult QtPortLine::open(int portNumber) {
    if (active_->isOpen()) {
        return OpenResult::PortInUse;
    }
    if (portDestination(portNumber).network) {
        active_ = &network_;
    } else {
        active_ = &serial_;
    }
    return active_->open(portNumber);
}

void QtPortLine::setReceiveHandler(std::function<void(std::string_view bytes)> handler) {
    serial_.setReceiveHandler(handler);
    network_.setReceiveHandler(std::move(handler));
}

void QtPortLine::setLostHandler(std::function<void()> handler) {
    serial_.setLostHandler(handler);
    network_.setLostHandler(std::move(handler));
}

void QtPortLine::setOpenFailedHandler(std::function<void(OpenResult)> handler) {
    serial_.setOpenFailedHandler(handler);
    network_.setOpenFailedHandler(std::move(handler));
}

} // namespace velmora::platform
