#include "platform/qt/qt_serial_line.h"

#include "platform/qt/port_links.h"
#include "platform/qt/windows1252.h"

#ifndef Q_OS_WIN
#include "platform/qt/device_access.h"
#endif

using namespace Qt::StringLiterals;

namespace velmora::platform {

namespace {

SerialLine::OpenResult openFailure(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
    // A device node whose hardware is absent, such as /dev/ttyS3 on a computer
    // with one serial port, fails to open with an I/O error.
    case QSerialPort::ResourceError:
        return SerialLine::OpenResult::NoSuchPort;
    // Qt locks the device, so a port open in another program, or already open
    // here, gives one of these.
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
        return SerialLine::OpenResult::PortInUse;
    default:
        return SerialLine::OpenResult::OtherFailure;
    }
}

} // namespace

QtSerialLine::QtSerialLine() {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_,
                     [this] { received_.add(port_.readAll()); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { handleError(error); });
}

QtSerialLine::~QtSerialLine() {
    close();
}

SerialLine::OpenResult QtSerialLine::open(int portNumber) {
    if (port_.isOpen()) {
        return OpenResult::PortInUse;
    }
    accessFailure_ = {};
    if (portNumber < 1) {
        return OpenResult::NoSuchPort;
    }
    const QString device = portDestination(portNumber).device;
    if (device.isEmpty()) {
        return OpenResult::NoSuchPort; // a network address, which this line cannot reach
    }
    port_.setPortName(device);
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        return refusal(device);
    }
#ifndef Q_OS_WIN
    hangUpWatch_.start(static_cast<int>(port_.handle()));
#endif
    return OpenResult::Opened;
}

// Qt says PermissionError both for a device this user may not open and for
// one that another program holds; the device's access rights tell them apart.
SerialLine::OpenResult QtSerialLine::refusal(const QString& device) {
#ifndef Q_OS_WIN
    if (port_.error() == QSerialPort::PermissionError) {
        if (const auto remedy = missingAccessRemedy(device)) {
            accessFailure_ = {.device = toWindows1252(device), .remedy = *remedy};
            return OpenResult::NoAccess;
        }
    }
#else
    Q_UNUSED(device)
#endif
    return openFailure(port_.error());
}

void QtSerialLine::close() {
    received_.clear();
#ifndef Q_OS_WIN
    hangUpWatch_.stop();
#endif
    if (port_.isOpen()) {
        port_.close();
    }
}

void QtSerialLine::write(std::string_view bytes) {
    if (!port_.isOpen()) {
        return;
    }
    port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // Out now, in one piece, rather than at the next turn of the event loop.
    port_.flush();
}

void QtSerialLine::discardBuffers() {
    received_.clear();
    if (port_.isOpen()) {
        port_.clear(QSerialPort::AllDirections);
    }
}

// A device that is unplugged gives ResourceError. One that hangs up, as a
// pseudo-terminal whose other end closes, reads as end-of-file, which Qt
// before 6.8 reports as ReadError, again at every turn of the event loop: the
// line is gone just the same. Later versions stay silent; the hang-up watch
// notices for them.
void QtSerialLine::handleError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        lineGone();
    }
}

void QtSerialLine::lineGone() {
    if (!port_.isOpen()) {
        return;
    }
    close();
    if (const auto handler = lostHandler_) {
        handler();
    }
}

} // namespace velmora::platform
