#pragma once

class QMdiArea;

namespace velmora::shell {

// The windows of the application that are loaded: the main window, each child
// window in its workspace, and each dialog not yet destroyed, hidden ones
// included. Closing a window unloads it, since every such window is deleted
// on close.
int countLoadedWindows(const QMdiArea& workspace);

// What the File menu shows when it opens.
struct FileMenuState {
    bool closeEnabled;
    bool saveAsEnabled;
};
FileMenuState fileMenuRule(int loadedWindows, bool documentComplete);

// Whether the Window menu offers "&Trapsgewijs" when it opens.
bool cascadeEnabled(int loadedWindows);

} // namespace velmora::shell
