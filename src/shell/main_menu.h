#pragma once

#include "shell/command.h"

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace velmora::shell {

// The main window's menu tree: every menu, item and separator under its own
// objectName, with its caption, shortcut and start state. Each item carries
// the command it runs.
class MainMenu {
public:
    explicit MainMenu(QMenuBar& bar);

    // The item that runs this command; nullptr for a command that only the
    // toolbar offers.
    QAction* item(Command command) const { return items_[indexOf(command)]; }
    QMenu& fileMenu() const { return *fileMenu_; }
    QMenu& windowMenu() const { return *windowMenu_; }

private:
    std::array<QAction*, kCommandCount> items_{};
    QMenu* fileMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
};

} // namespace velmora::shell
