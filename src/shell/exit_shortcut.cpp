#include "shell/exit_shortcut.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace velmora::shell {

ExitShortcut::ExitShortcut(QWidget& mainWindow, QAction& exit)
    : QObject(&mainWindow), mainWindow_(mainWindow), exit_(exit) {
    QApplication::instance()->installEventFilter(this);
}

// Before a key reaches the shortcuts, the focused widget is asked whether it
// wants the key for itself. For the exit key that question never reaches a
// widget of the main window, so nothing there can claim it.
bool ExitShortcut::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &mainWindow_) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (QKeySequence(key->keyCombination()) != exit_.shortcut()) {
        return false;
    }
    event->ignore();
    return true;
}

} // namespace velmora::shell
