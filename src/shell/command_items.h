#pragma once

#include "shell/command.h"

namespace velmora::shell {

class MainMenu;
class MainToolBar;

// The menu item and the toolbar entry of each command, switched together.
class CommandItems {
public:
    CommandItems(const MainMenu& menu, const MainToolBar& toolBar)
        : menu_(menu), toolBar_(toolBar) {}

    // The menu item, and its toolbar entry too when asked and there is one.
    void setEnabled(Command command, bool enabled, bool withToolbarEntry) const;

private:
    const MainMenu& menu_;
    const MainToolBar& toolBar_;
};

} // namespace velmora::shell
