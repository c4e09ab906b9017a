#pragma once

#include <QList>
#include <QString>

namespace velmora::platform {

// A serial device of this computer, as the system describes it.
struct SerialDevice {
    // The path to link a port number to: for a USB adapter on Linux its
    // stable /dev/serial/by-id path, which stays the same whatever the order
    // in which adapters are plugged in; otherwise the device itself.
    QString path{};
    QString systemLocation{}; // the device itself, such as /dev/ttyUSB0 or COM3
    QString description{};
    QString manufacturer{};
    QString serialNumber{};
};

QList<SerialDevice> availableSerialDevices();

// The link in byIdFolder (/dev/serial/by-id on Linux) that leads to the
// device, or the device itself when none does.
QString stablePath(const QString& device, const QString& byIdFolder);

enum class DeviceState {
    Present,
    Absent,
    NoAccess, // there, but this user may not open it
};

DeviceState deviceState(const QString& device);
// How the system describes the device; empty when it does not know it.
QString deviceDescription(const QString& device);

} // namespace velmora::platform
