#include "support/main_window_parts.h"

#include "shell/status_panels.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace velmora::testing {

namespace {

template <typename Part> Part* found(Part* part, QStringView what) {
    if (part == nullptr) {
        QTest::qFail(qPrintable(u"not in the main window: "_s + what.toString()), __FILE__,
                     __LINE__);
    }
    return part;
}

QToolBar& toolBar(const QWidget& mainWindow) {
    return *found(mainWindow.findChild<QToolBar*>(u"tlbBasis"_s), u"tlbBasis");
}

} // namespace

QAction* menuItem(const QWidget& mainWindow, const QString& objectName) {
    const QMenuBar* bar = mainWindow.findChild<QMenuBar*>();
    QAction* item = bar != nullptr ? bar->findChild<QAction*>(objectName) : nullptr;
    return found(item, objectName);
}

QMenu* menu(const QWidget& mainWindow, const QString& objectName) {
    return found(mainWindow.findChild<QMenu*>(objectName), objectName);
}

QAction* toolbarEntry(const QWidget& mainWindow, QStringView key) {
    for (QAction* entry : toolBar(mainWindow).actions()) {
        if (!entry->isSeparator() && entry->objectName() == key) {
            return entry;
        }
    }
    return found<QAction>(nullptr, key);
}

QAction* toolbarEntryAt(const QWidget& mainWindow, int position) {
    const QList<QAction*> entries = toolBar(mainWindow).actions();
    if (position < 1 || position > entries.size()) {
        const QString name = u"toolbar position "_s + QString::number(position);
        return found<QAction>(nullptr, name);
    }
    return entries[position - 1];
}

QMdiArea& workspace(const QWidget& mainWindow) {
    return *found(mainWindow.findChild<QMdiArea*>(), u"workspace");
}

shell::StatusPanels& statusPanels(const QWidget& mainWindow) {
    return *found(mainWindow.findChild<shell::StatusPanels*>(), u"stbBasis");
}

QString shownTitle(QWidget& window) {
    window.winId();
    return window.windowHandle()->title();
}

} // namespace velmora::testing
