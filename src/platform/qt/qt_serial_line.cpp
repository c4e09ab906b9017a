#include "platform/qt/qt_serial_line.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <utility>

using namespace Qt::StringLiterals;

namespace velmora::platform {

namespace {

#ifndef Q_OS_WIN
QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + u"/.config"_s;
}
#endif

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
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { takeArrivedBytes(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { handleError(error); });
}

QtSerialLine::~QtSerialLine() {
    close();
}

QString QtSerialLine::portLocation(int portNumber) {
    const QString number = QString::number(portNumber);
#ifdef Q_OS_WIN
    return u"COM"_s + number;
#else
    const QFileInfo link(configHome() + u"/velmora/ports/COM"_s + number);
    if (link.exists()) {
        // The device itself, not a path to it, so that Qt's lock file is the
        // same one every other program uses for that device.
        return link.canonicalFilePath();
    }
    if (link.isSymLink()) {
        return link.symLinkTarget(); // points nowhere: the device has gone
    }
    return u"/dev/ttyS"_s + QString::number(portNumber - 1);
#endif
}

SerialLine::OpenResult QtSerialLine::open(int portNumber) {
    if (port_.isOpen()) {
        return OpenResult::PortInUse;
    }
    if (portNumber < 1) {
        return OpenResult::NoSuchPort;
    }
    port_.setPortName(portLocation(portNumber));
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        return openFailure(port_.error());
    }
#ifndef Q_OS_WIN
    hangUpWatch_.start(static_cast<int>(port_.handle()));
#endif
    return OpenResult::Opened;
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

// QSerialPort emits no readyRead while a slot of it still runs. The receive
// handler may show a modal window, and bytes that arrive meanwhile must still
// be handled, so the bytes are handed over from the event queue instead.
void QtSerialLine::takeArrivedBytes() {
    const QByteArray bytes = port_.readAll();
    received_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!deliveryQueued_) {
        deliveryQueued_ = true;
        QMetaObject::invokeMethod(
            &port_, [this] { deliverReceived(); }, Qt::QueuedConnection);
    }
}

void QtSerialLine::deliverReceived() {
    deliveryQueued_ = false;
    const std::string bytes = std::exchange(received_, {});
    // A copy, so that a handler may replace itself while it runs.
    if (const auto handler = receiveHandler_; handler && !bytes.empty()) {
        handler(bytes);
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
