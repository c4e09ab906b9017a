#pragma once

#include "platform/qt/queued_delivery.h"
#include "platform/serial_line.h"

#include <QTcpSocket>
#include <string>

namespace velmora::platform {

// The line to an encoder behind a serial device server, which offers the
// encoder's RS-232 line as a raw TCP port: every byte goes through as it is.
// Port number n is the network address that portDestination(n) names.
//
// open() only starts to reach the server, so that a slow name lookup or a
// host that does not answer never holds up the user interface. Bytes written
// meanwhile go out once the connection stands. A host that cannot be found or
// refuses the connection is reported through the open-failed handler as
// NoSuchPort; any other failure to connect goes unanswered.
class QtNetworkLine : public SerialLine {
public:
    QtNetworkLine();
    ~QtNetworkLine() override;
    QtNetworkLine(const QtNetworkLine&) = delete;
    QtNetworkLine& operator=(const QtNetworkLine&) = delete;

    OpenResult open(int portNumber) override;
    void close() override;
    bool isOpen() const override { return open_; }
    void write(std::string_view bytes) override;
    void discardBuffers() override;
    void setReceiveHandler(std::function<void(std::string_view bytes)> handler) override {
        received_.setHandler(std::move(handler));
    }
    void setLostHandler(std::function<void()> handler) override {
        lostHandler_ = std::move(handler);
    }
    void setOpenFailedHandler(std::function<void(OpenResult)> handler) override {
        openFailedHandler_ = std::move(handler);
    }

private:
    void connectionMade();
    void handleError(QAbstractSocket::SocketError error);
    void lineGone();

    QTcpSocket socket_;
    bool open_ = false;
    std::string unsent_; // written before the connection stood
    QueuedDelivery received_{socket_};
    std::function<void()> lostHandler_;
    std::function<void(OpenResult)> openFailedHandler_;
};

} // namespace velmora::platform
