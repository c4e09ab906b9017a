#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace velmora::shell {

// The main window's menu tree: every menu, item and separator under its own
// objectName, with its caption, shortcut and start state.
class MainMenu {
public:
    explicit MainMenu(QMenuBar& bar);

    // The item, separator or menu (its own action) with this name; nullptr if none.
    QAction* item(const QString& name) const;
    // The menu or submenu with this name; nullptr if none.
    QMenu* menu(const QString& name) const;

private:
    QHash<QString, QAction*> items_;
    QHash<QString, QMenu*> menus_;
};

} // namespace velmora::shell
