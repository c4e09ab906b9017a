#include "shell/menu_rules.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <algorithm>

namespace velmora::shell {

int countLoadedWindows(const QMdiArea& workspace) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto dialogs = std::count_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return qobject_cast<const QDialog*>(window) != nullptr;
    });
    const int mainWindow = 1;
    return mainWindow + static_cast<int>(workspace.subWindowList().size()) +
           static_cast<int>(dialogs);
}

FileMenuState fileMenuRule(int loadedWindows, bool documentComplete) {
    return {.closeEnabled = loadedWindows > 1, .saveAsEnabled = documentComplete};
}

bool cascadeEnabled(int loadedWindows) {
    return loadedWindows > 2;
}

} // namespace velmora::shell
