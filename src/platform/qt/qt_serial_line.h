#pragma once

#include "platform/serial_line.h"

#include <QSerialPort>
#include <QString>
#include <string>

#ifndef Q_OS_WIN
#include "platform/qt/hang_up_watch.h"
#endif

namespace velmora::platform {

// The line to the encoder on a QSerialPort: 9600 8N1, no flow control.
class QtSerialLine : public SerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;
    QtSerialLine(const QtSerialLine&) = delete;
    QtSerialLine& operator=(const QtSerialLine&) = delete;

    OpenResult open(int portNumber) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void write(std::string_view bytes) override;
    void discardBuffers() override;
    void setReceiveHandler(std::function<void(std::string_view bytes)> handler) override {
        receiveHandler_ = std::move(handler);
    }
    void setLostHandler(std::function<void()> handler) override {
        lostHandler_ = std::move(handler);
    }

    // The device that port number n names on this computer: COMn on Windows;
    // elsewhere the device behind the per-user link ~/.config/velmora/ports/COMn
    // when that link exists, otherwise /dev/ttyS(n-1).
    static QString portLocation(int portNumber);

private:
    void takeArrivedBytes();
    void deliverReceived();
    void handleError(QSerialPort::SerialPortError error);
    void lineGone();

    QSerialPort port_;
#ifndef Q_OS_WIN
    HangUpWatch hangUpWatch_{[this] { lineGone(); }};
#endif
    std::string received_; // read from the port, not yet handed to the receive handler
    bool deliveryQueued_ = false;
    std::function<void(std::string_view)> receiveHandler_;
    std::function<void()> lostHandler_;
};

} // namespace velmora::platform
