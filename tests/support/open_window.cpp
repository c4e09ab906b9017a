#include "support/open_window.h"

#include <QApplication>

namespace velmora::testing {

QWidget* openWindow(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
        const QList<QWidget*> children = window->findChildren<QWidget*>(name);
        for (QWidget* child : children) {
            if (child->isVisibleTo(window)) {
                return child;
            }
        }
    }
    return nullptr;
}

void deletePendingWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::testing
