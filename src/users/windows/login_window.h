#pragma once

#include "users/accounts.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace velmora::users {

// What the login window works on.
struct LoginContext {
    platform::SettingsStore& settings;
    const platform::PasswordHashing& passwords;
    station::Document& document;
    Session& session;
    MainWindowView& mainWindow;
    // Reads the station file named by the document's file name into the
    // document, or reports that it is missing.
    std::function<void()> openLinkedFile;
};

// frmAanmelden: user name and password, "&Aanmelden" and "A&nnuleren". Loading
// the window seeds the administrator account. Leaving it by either button
// closes it and shows the main window; a refused attempt keeps it open with
// the typed texts. It is deleted when closed.
class LoginWindow : public QDialog, private LoginView {
    Q_OBJECT

public:
    // Loads the window; a store that cannot be written is reported, and the
    // login goes on.
    static LoginWindow* load(const LoginContext& context);
    // Shows the window modal to the whole program, with no owner.
    void showModally();

protected:
    // The close box and Escape count as "A&nnuleren": the main window is
    // shown, and its title says that nobody is logged in.
    void reject() override;
    // Enter in either text box is swallowed and logs in.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LoginWindow(const LoginContext& context);

    void logIn();

    void showWarning(std::string_view message) override;
    void leaveLogin() override;
    void openLinkedFile() override;

    std::function<void()> openLinkedFile_;
    Login login_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QPushButton* logInButton_;
    QPushButton* cancelButton_;
};

} // namespace velmora::users
