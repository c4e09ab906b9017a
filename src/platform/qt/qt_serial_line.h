#pragma once

#include "platform/qt/queued_delivery.h"
#include "platform/serial_line.h"

#include <QSerialPort>
#include <QString>

#ifndef Q_OS_WIN
#include "platform/qt/hang_up_watch.h"
#endif

namespace velmora::platform {

// The line to the encoder on a QSerialPort: 9600 8N1, no flow control. Port
// number n is the device that portDestination(n) names.
class QtSerialLine : public SerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;
    QtSerialLine(const QtSerialLine&) = delete;
    QtSerialLine& operator=(const QtSerialLine&) = delete;

    OpenResult open(int portNumber) override;
    AccessFailure accessFailure() const override { return accessFailure_; }
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void write(std::string_view bytes) override;
    void discardBuffers() override;
    void setReceiveHandler(std::function<void(std::string_view bytes)> handler) override {
        received_.setHandler(std::move(handler));
    }
    void setLostHandler(std::function<void()> handler) override {
        lostHandler_ = std::move(handler);
    }

private:
    void handleError(QSerialPort::SerialPortError error);
    void lineGone();
    OpenResult refusal(const QString& device);

    QSerialPort port_;
#ifndef Q_OS_WIN
    HangUpWatch hangUpWatch_{[this] { lineGone(); }};
#endif
    AccessFailure accessFailure_;
    QueuedDelivery received_{port_};
    std::function<void()> lostHandler_;
};

} // namespace velmora::platform
