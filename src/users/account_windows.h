#pragma once

#include "platform/qt/qt_file_dialogs.h"

#include <QObject>

namespace velmora::shell {
class MainWindow;
}

namespace velmora::users {

class LoginWindow;
class UserEditorWindow;

// The message window for a settings store that refused a write, with the
// store's reason.
void warnSettingsNotSaved(const std::string& reason);

// The commands that open the windows of the accounts and the administrator's
// settings: "Opnieuw &aanmelden" with the login window, the user editor in
// both of its modes, "&Compoort" and "&Opties" (the toolbar's "Opties" runs
// the latter).
class AccountWindows : public QObject {
    Q_OBJECT

public:
    explicit AccountWindows(shell::MainWindow& window);

    // Where "Bladeren" chooses a station file: the Qt dialog unless another
    // is given here.
    void useFileDialogs(platform::FileDialogs& dialogs) { dialogs_ = &dialogs; }

    // Loads frmAanmelden, which seeds the administrator account; the caller
    // shows it with LoginWindow::showModally.
    LoginWindow* loadLogin();
    // "Opnieuw &aanmelden".
    void logInAgain();

private:
    void connectMenuItems();
    UserEditorWindow* openUserEditor(const QString& title);
    void editCurrentUser();

    shell::MainWindow& window_;
    platform::QtFileDialogs qtDialogs_;
    platform::FileDialogs* dialogs_ = &qtDialogs_;
};

} // namespace velmora::users
