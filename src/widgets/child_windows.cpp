#include "widgets/child_windows.h"

#include "widgets/twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace velmora::widgets {

namespace {

constexpr int kChildWindowOffsetTwips = 10;

} // namespace

QMdiSubWindow* findChildWindow(const QMdiArea& workspace, const QString& objectName) {
    const QList<QMdiSubWindow*> windows = workspace.subWindowList();
    for (QMdiSubWindow* window : windows) {
        if (window->widget() != nullptr && window->widget()->objectName() == objectName) {
            return window;
        }
    }
    return nullptr;
}

QWidget* openChildWindow(QMdiArea& workspace, const QString& objectName,
                         const ChildWindowFactory& factory) {
    if (QMdiSubWindow* open = findChildWindow(workspace, objectName)) {
        if (open->isMinimized()) {
            open->showNormal();
        }
        workspace.setActiveSubWindow(open);
        return open->widget();
    }
    QWidget* widget = factory();
    widget->setObjectName(objectName);
    // Every child window has a fixed size, so it offers no maximise button.
    QMdiSubWindow* window = workspace.addSubWindow(
        widget, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const int offset = twipsToPixels(kChildWindowOffsetTwips, &workspace);
    window->move(offset, offset);
    window->show();
    return widget;
}

void closeChildWindow(const QMdiArea& workspace, const QString& objectName) {
    if (QMdiSubWindow* window = findChildWindow(workspace, objectName)) {
        window->close();
    }
}

} // namespace velmora::widgets
