#include "shell/child_window_list.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace velmora::shell {

ChildWindowList::ChildWindowList(QMenu& menu, QMdiArea& workspace)
    : QObject(&menu), menu_(menu), workspace_(workspace) {}

void ChildWindowList::refresh() {
    qDeleteAll(entries_);
    entries_.clear();

    const QList<QMdiSubWindow*> windows = workspace_.subWindowList();
    if (windows.isEmpty()) {
        return;
    }
    entries_.append(menu_.addSeparator());
    for (QMdiSubWindow* window : windows) {
        QString caption = window->windowTitle();
        QAction* entry = menu_.addAction(caption.replace(u'&', u"&&"_s));
        entry->setCheckable(true);
        entry->setChecked(window == workspace_.activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, target = QPointer<QMdiSubWindow>(window)] {
            if (target) {
                workspace_.setActiveSubWindow(target);
            }
        });
        entries_.append(entry);
    }
}

} // namespace velmora::shell
