#pragma once

#include <QMdiArea>
#include <QString>
#include <QStringView>

class QAction;
class QMenu;
class QWidget;

namespace velmora::shell {
class StatusPanels;
}

namespace velmora::testing {

// The parts of the main window as a user or assistive technology finds them:
// by their objectNames, or, for the toolbar, by the entry's key or position.
// A part that is not there fails the running test.
QAction* menuItem(const QWidget& mainWindow, const QString& objectName);
QMenu* menu(const QWidget& mainWindow, const QString& objectName);
QAction* toolbarEntry(const QWidget& mainWindow, QStringView key);
// The toolbar's entry at this 1-based position, separators counted.
QAction* toolbarEntryAt(const QWidget& mainWindow, int position);
QMdiArea& workspace(const QWidget& mainWindow);
shell::StatusPanels& statusPanels(const QWidget& mainWindow);
// The title as the window system shows it, once Qt has taken its "[*]"
// placeholder out.
QString shownTitle(QWidget& window);

} // namespace velmora::testing
