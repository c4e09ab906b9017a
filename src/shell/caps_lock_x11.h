#pragma once

// Declares Display, as the X11 native interface of the application uses it.
#include <QGuiApplication>

namespace velmora::shell {

bool capsLockLockedOn(Display* display);

} // namespace velmora::shell
