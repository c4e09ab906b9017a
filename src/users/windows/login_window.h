#pragma once

#include "users/accounts.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace velmora::shell {
class MainWindow;
}

namespace velmora::users {

// frmAanmelden: user name and password, "&Aanmelden" and "A&nnuleren". Loading
// the window seeds the administrator account. Leaving it by either button
// closes it and shows the main window; a refused attempt keeps it open with
// the typed texts. It is deleted when closed.
class LoginWindow : public QDialog, private LoginView {
    Q_OBJECT

public:
    // Reads the station file named by the document's file name into the
    // document, or reports that it is missing.
    using LinkedFileOpener = std::function<void()>;

    // Loads the window; a store that cannot be written is reported, and the
    // login goes on.
    static LoginWindow* load(shell::MainWindow& mainWindow, LinkedFileOpener openLinkedFile);
    // Shows the window modal to the whole program, with no owner.
    void showModally();

protected:
    // The close box and Escape. While the main window is still hidden they
    // count as "A&nnuleren", so that it is always shown; otherwise the login
    // window just closes and the main window stays as it was.
    void reject() override;
    // Enter in either text box is swallowed and logs in.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LoginWindow(shell::MainWindow& mainWindow, LinkedFileOpener openLinkedFile);

    void logIn();

    void showWarning(std::string_view message) override;
    void leaveLogin() override;
    void setMainTitle(std::string_view title) override;
    void setAccountItems(const AccountItems& items) override;
    void openLinkedFile() override;

    shell::MainWindow& mainWindow_;
    LinkedFileOpener openLinkedFile_;
    Login login_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QPushButton* logInButton_;
    QPushButton* cancelButton_;
};

} // namespace velmora::users
