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

// What "&Toepassen" does: apply and stay open, or nothing at all in a window
// that writes only when it closes.
enum class ApplyButton { AppliesChanges, DoesNothing };

// Adds the row, right-aligned, to the window's layout. applyChanges reports
// whether it succeeded; only then does "&Ok" close the window.
EditorButtons addEditorButtons(QWidget& window, QBoxLayout& layout,
                               const std::function<bool()>& applyChanges,
                               ApplyButton applyButton = ApplyButton::AppliesChanges);

// Closes the child window that shows this widget, or the widget itself when
// it stands alone.
void closeEditorWindow(QWidget& window);

} // namespace velmora::widgets
