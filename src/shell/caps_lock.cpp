#include "shell/caps_lock.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#if defined(VELMORA_HAVE_X11) && QT_CONFIG(xcb)
#include "shell/caps_lock_x11.h"

#include <QtGui/qguiapplication_platform.h>
#define VELMORA_ASK_X11 1
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmora::shell {

CapsLockState::CapsLockState(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool CapsLockState::isOn() const {
#ifdef Q_OS_WIN
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
#else
#ifdef VELMORA_ASK_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->display() != nullptr) {
        return capsLockLockedOn(x11->display());
    }
#endif
    return followedState_;
#endif
}

bool CapsLockState::eventFilter(QObject* watched, QEvent* event) {
    // A key event reaches the window first and is then passed on to widgets;
    // looking at the window alone sees every press once.
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (keyEvent && watched->isWindowType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_CapsLock && !key->isAutoRepeat()) {
            if (event->type() == QEvent::KeyPress) {
                followedState_ = !followedState_;
            }
            emit keyUsed();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmora::shell
