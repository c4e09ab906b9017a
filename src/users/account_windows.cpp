#include "users/account_windows.h"

#include "platform/qt/windows1252.h"
#include "shell/com_port_window.h"
#include "shell/file_menu_commands.h"
#include "shell/main_window.h"
#include "shell/options_window.h"
#include "shell/workspace.h"
#include "users/account_editing.h"
#include "users/accounts.h"
#include "users/windows/login_window.h"
#include "users/windows/user_editor_window.h"
#include "widgets/child_windows.h"
#include "widgets/warning_window.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace velmora::users {

void warnSettingsNotSaved(const std::string& reason) {
    widgets::WarningWindow::showMessage(
        platform::fromWindows1252(std::string(platform::kSettingsNotSavedMessage) + reason));
}

AccountWindows::AccountWindows(shell::MainWindow& window) : window_(window), qtDialogs_(&window) {
    connectMenuItems();
}

void AccountWindows::connectMenuItems() {
    connect(window_.menuItem(u"mnuBestand_opnieuwaanmelden"_s), &QAction::triggered, this,
            &AccountWindows::logInAgain);
    connect(window_.menuItem(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s),
            &QAction::triggered, this, [this] { openUserEditor(u"Gebruiker toevoegen"_s); });
    connect(window_.menuItem(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s),
            &QAction::triggered, this, &AccountWindows::editCurrentUser);
    connect(window_.menuItem(u"mnuInstellingen_compoort"_s), &QAction::triggered, this, [this] {
        window_.openChildWindow(u"frmCompoort"_s,
                                [this] { return new shell::ComPortWindow(window_.settings()); });
    });
    connect(window_.menuItem(u"mnuInstellingen_opties"_s), &QAction::triggered, this,
            [this] { shell::OptionsWindow::showModal(window_); });
}

LoginWindow* AccountWindows::loadLogin() {
    return LoginWindow::load(window_, [this] { window_.fileMenuCommands().openLinkedFile(); });
}

void AccountWindows::logInAgain() {
    widgets::closeSettingsWindows(window_.workspace());
    window_.fileMenuCommands().clearForRelogin();
    loadLogin()->showModally();
}

// An editor that is open already keeps its boxes; only the title changes.
UserEditorWindow* AccountWindows::openUserEditor(const QString& title) {
    QWidget* editor = window_.openChildWindow(
        u"frmGebruiker"_s, [this] { return new UserEditorWindow(window_.settings(), *dialogs_); });
    editor->setWindowTitle(title);
    return static_cast<UserEditorWindow*>(editor);
}

void AccountWindows::editCurrentUser() {
    openUserEditor(u"Gebruiker aanpassen"_s)
        ->showAccount(readAccount(window_.settings(), window_.session().currentUser));
}

} // namespace velmora::users
