#include "shell/command_items.h"

#include "shell/main_menu.h"
#include "shell/main_toolbar.h"

#include <QAction>

namespace velmora::shell {

void CommandItems::setEnabled(Command command, bool enabled, bool withToolbarEntry) const {
    if (QAction* item = menu_.item(command)) {
        item->setEnabled(enabled);
    }
    if (QAction* entry = toolBar_.entry(command); entry != nullptr && withToolbarEntry) {
        entry->setEnabled(enabled);
    }
}

} // namespace velmora::shell
