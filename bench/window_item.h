#pragma once

#include <QAction>
#include <QWidget>

namespace velmora::bench {

// A menu item or toolbar entry of the main window, by its objectName.
inline QAction* windowItem(const QWidget& mainWindow, const QString& objectName) {
    return mainWindow.findChild<QAction*>(objectName);
}

} // namespace velmora::bench
