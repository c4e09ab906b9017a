#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora::testing {

// The objectNames of the widgets of the window that Tab visits, starting at
// first and following the focus chain until it comes round again. Widgets
// outside the window, such as the main window around a child window, are
// passed over.
QStringList tabOrder(const QWidget& window, QWidget& first);
// The same for the open window of that name; empty if it lacks first.
QStringList tabOrder(const QString& window, const QString& first);

} // namespace velmora::testing
