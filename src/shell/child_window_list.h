#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

namespace velmora::shell {

// The open child windows listed at the end of a menu, below its own items:
// their captions, the active one checked; choosing one activates it.
class ChildWindowList : public QObject {
    Q_OBJECT

public:
    ChildWindowList(QMenu& menu, QMdiArea& workspace);

    // Rebuilds the list from the child windows open now.
    void refresh();

private:
    QMenu& menu_;
    QMdiArea& workspace_;
    QList<QAction*> entries_;
};

} // namespace velmora::shell
