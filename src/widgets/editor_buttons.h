#pragma once

#include <functional>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace velmora::widgets {

// The button row the editors share: "&Ok" applies and closes, "&Toepassen"
// applies and stays open, "&Annuleren" closes without applying.
struct EditorButtons {
    QPushButton* ok;
    QPushButton* apply;
    QPushButton* cancel;
};

// Adds the row, right-aligned, to the window's layout. applyChanges reports
// whether it succeeded; only then does "&Ok" close the window.
EditorButtons addEditorButtons(QWidget& window, QBoxLayout& layout,
                               const std::function<bool()>& applyChanges);

// Closes the child window that shows this widget, or the widget itself when
// it stands alone.
void closeEditorWindow(QWidget& window);

} // namespace velmora::widgets
