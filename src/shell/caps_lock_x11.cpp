#include "shell/caps_lock_x11.h"

// Xlib defines macros (KeyPress, Status, None) that clash with other code, so
// it is included here alone.
#include <X11/XKBlib.h>

namespace velmora::shell {

bool capsLockLockedOn(Display* display) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
        return false;
    }
    return (state.locked_mods & LockMask) != 0;
}

} // namespace velmora::shell
