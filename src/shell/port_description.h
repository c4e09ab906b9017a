#pragma once

#include "platform/qt/port_links.h"
#include "platform/qt/serial_devices.h"

#include <QString>

namespace velmora::shell {

// Where port n leads today and how that device is, as the COM port window
// shows it: "Leidt naar /dev/ttyUSB0: aanwezig".
QString describePort(int port);

// The same from what is known of the port: its destination, the state of its
// device, and how the system describes that device (may be empty).
QString describeDestination(const platform::PortDestination& destination,
                            platform::DeviceState state, const QString& systemDescription);

} // namespace velmora::shell
