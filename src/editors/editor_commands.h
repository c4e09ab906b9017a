#pragma once

#include <QObject>

namespace velmora::shell {
class MainWindow;
}

namespace velmora::editors {

// The menu items (and through them their toolbar twins) that open the
// settings editors and the overview as child windows of the main window. A
// window that is already open comes to the front as it is.
class EditorCommands : public QObject {
    Q_OBJECT

public:
    explicit EditorCommands(shell::MainWindow& mainWindow);
};

} // namespace velmora::editors
