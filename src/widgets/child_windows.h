#pragma once

#include <QString>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace velmora::widgets {

// Creates the widget of a child window, named by its objectName.
using ChildWindowFactory = std::function<QWidget*()>;

// The open child window whose widget carries this objectName; nullptr if none.
QMdiSubWindow* findChildWindow(const QMdiArea& workspace, const QString& objectName);

// Brings the open child window with this objectName to the front, without
// loading it again. Otherwise creates it with the factory, adds it to the
// workspace 10 twips from the top-left of the client area and shows it.
// Returns the window's widget; a closed child window is deleted.
QWidget* openChildWindow(QMdiArea& workspace, const QString& objectName,
                         const ChildWindowFactory& factory);

// Closes the open child window with this objectName, if there is one.
void closeChildWindow(const QMdiArea& workspace, const QString& objectName);

} // namespace velmora::widgets
