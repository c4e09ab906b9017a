#include "platform/qt/serial_devices.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#ifndef Q_OS_WIN
#include "platform/qt/device_access.h"
#endif

using namespace Qt::StringLiterals;

namespace velmora::platform {

namespace {

bool isKnownToTheSystem(const QString& device) {
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    return std::any_of(ports.begin(), ports.end(), [&](const QSerialPortInfo& port) {
        return port.systemLocation() == device || port.portName() == device;
    });
}

} // namespace

QList<SerialDevice> availableSerialDevices() {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        devices.append({.path = stablePath(port.systemLocation(), u"/dev/serial/by-id"_s),
                        .systemLocation = port.systemLocation(),
                        .description = port.description(),
                        .manufacturer = port.manufacturer(),
                        .serialNumber = port.serialNumber()});
    }
    return devices;
}

QString stablePath(const QString& device, const QString& byIdFolder) {
    const QDir folder(byIdFolder);
    const QString canonical = QFileInfo(device).canonicalFilePath();
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        if (link.isSymLink() && !canonical.isEmpty() && link.canonicalFilePath() == canonical) {
            return link.filePath();
        }
    }
    return device;
}

DeviceState deviceState(const QString& device) {
#ifdef Q_OS_WIN
    return isKnownToTheSystem(device) ? DeviceState::Present : DeviceState::Absent;
#else
    if (!QFileInfo::exists(device)) {
        return DeviceState::Absent;
    }
    if (missingAccessRemedy(device)) {
        return DeviceState::NoAccess;
    }
    // Every computer has device nodes /dev/ttyS0 and on, with or without the
    // hardware behind them; the system lists those that have it.
    static const QRegularExpression builtInPort(u"^/dev/ttyS\\d+$"_s);
    if (builtInPort.match(device).hasMatch() && !isKnownToTheSystem(device)) {
        return DeviceState::Absent;
    }
    return DeviceState::Present;
#endif
}

QString deviceDescription(const QString& device) {
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        if (port.systemLocation() == device || port.portName() == device) {
            return port.description();
        }
    }
    return {};
}

} // namespace velmora::platform
