#pragma once

#include "platform/qt/qt_network_line.h"
#include "platform/qt/qt_serial_line.h"
#include "platform/serial_line.h"

namespace velmora::platform {

// The line behind a port number, whichever way it leads: a serial device, or
// a serial device server's TCP port when the port's link names a network
// address. The program sees one line and never the difference.
class QtPortLine : public SerialLine {
public:
    QtPortLine() = default;
    QtPortLine(const QtPortLine&) = delete;
    QtPortLine& operator=(const QtPortLine&) = delete;

    OpenResult open(int portNumber) override;
    AccessFailure accessFailure() const override { return active_->accessFailure(); }
    void close() override { active_->close(); }
    bool isOpen() const override { return active_->isOpen(); }
    void write(std::string_view bytes) override { active_->write(bytes); }
    void discardBuffers() override { active_->discardBuffers(); }
    void setReceiveHandler(std::function<void(std::string_view bytes)> handler) override;
    void setLostHandler(std::function<void()> handler) override;
    void setOpenFailedHandler(std::function<void(OpenResult)> handler) override;

private:
    QtSerialLine serial_;
    QtNetworkLine network_;
    SerialLine* active_ = &serial_;
};

} // namespace velmora::platform
