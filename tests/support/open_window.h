#pragma once

#include <QString>
#include <QWidget>

namespace velmora::testing {

// The open window of the program with this objectName: a visible window, or
// a child window shown in the main window, hidden or not; nullptr if none.
QWidget* openWindow(const QString& name);

// The control with this objectName in the open window of that name.
template <typename Control> Control* control(const QString& window, const QString& name) {
    QWidget* open = openWindow(window);
    return open != nullptr ? open->findChild<Control*>(name) : nullptr;
}

// Deleted-on-close windows of earlier steps go before the next one looks.
void deletePendingWindows();

} // namespace velmora::testing
