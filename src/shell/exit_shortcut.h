#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace velmora::shell {

// Keeps the key of "Afsluiten" for that item while a text box of the main
// window has the focus. Qt's line edit claims Ctrl+E as "end of line" on
// Linux desktops, which would make the item silently unreachable there.
//
// Every other key stays with the text box that claims it: Ctrl+A selects all
// inside a text box rather than running "Opnieuw aanmelden", which empties the
// document without asking.
class ExitShortcut : public QObject {
public:
    // Watches the application's events for as long as it lives.
    ExitShortcut(QWidget& mainWindow, QAction& exit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mainWindow_;
    QAction& exit_;
};

} // namespace velmora::shell
