#pragma once

#include <QStringList>
#include <QWidget>

namespace velmora::editors {

// The objectNames of the widgets that Tab visits, starting at first and
// following the focus chain until it comes round again.
inline QStringList tabOrder(QWidget* first) {
    QStringList names;
    QWidget* widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            names << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 100);
    return names;
}

} // namespace velmora::editors
