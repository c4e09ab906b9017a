#include "support/tab_order.h"

#include "support/open_window.h"

#include <QWidget>

namespace velmora::testing {

QStringList tabOrder(const QWidget& window, QWidget& first) {
    QStringList names;
    QWidget* widget = &first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && window.isAncestorOf(widget)) {
            names.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != &first);
    return names;
}

QStringList tabOrder(const QString& window, const QString& first) {
    QWidget* start = control<QWidget>(window, first);
    return start != nullptr ? tabOrder(*openWindow(window), *start) : QStringList();
}

} // namespace velmora::testing
