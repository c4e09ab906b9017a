#pragma once

#include "platform/settings_store.h"
#include "station/document.h"

#include <string>
#include <string_view>

namespace velmora::users {

inline constexpr std::string_view kAdministratorName = "*^Qentar^*";
inline constexpr std::string_view kAdministratorPassword = "Kez";

// Keys of an account's section, which is named after the user.
inline constexpr std::string_view kPasswordKey = "Wachtwoord";
inline constexpr std::string_view kLinkedFileKey = "Bestand";

inline constexpr std::string_view kEmptyFieldsMessage =
    "Geef een gebruikersnaam en/of wachtwoord op";
inline constexpr std::string_view kWrongPasswordMessage =
    "Gebruikersnaam en/of wachtwoord is onjuist.";
// Followed by the store's own reason.

// The menu and toolbar items whose state depends on the kind of account.
struct AccountItems {
    bool newDocument;     // "&Nieuw..." and the toolbar's "Nieuw"
    bool editCurrentUser; // "Huidige gebruiker aanpassen"
    bool comPort;         // "&Compoort"
    bool options;         // "&Opties" and the toolbar's "Opties"

    bool operator==(const AccountItems&) const = default;
};

// Exact comparison, case included: "*^qentar^*" is an ordinary account.
bool isAdministrator(std::string_view userName);
AccountItems accountItemsFor(std::string_view userName);

// What the login asks of the windows.
class LoginView {
public:
    virtual ~LoginView() = default;

    virtual void showWarning(std::string_view message) = 0;
    // Closes the login window and shows the main window.
    virtual void leaveLogin() = 0;
    virtual void setMainTitle(std::string_view title) = 0;
    virtual void setAccountItems(const AccountItems& items) = 0;
    // Reads the station file linked to the account, which the document names
    // by now, into the document, or reports that it is missing.
    virtual void openLinkedFile() = 0;
};

enum class LoginResult { LoggedIn, FieldsMissing, Refused };

// Who is logged in: empty before the first login, after "&Nieuw..." and
// after "Opnieuw &aanmelden". Lives as long as the main window.
struct Session {
    std::string currentUser;
};

// The login window's rules: seeding the administrator account, the login
// with its fixed order of steps, and the cancel.
class Login {
public:
    Login(platform::SettingsStore& store, station::Document& document, Session& session,
          LoginView& view)
        : store_(store), document_(document), session_(session), view_(view) {}

    // Runs each time the login window loads.
    platform::Status seedAdministrator();
    LoginResult logIn(const std::string& userName, const std::string& password);
    void cancel();

private:
    void finishAttempt();
    void acceptUser(const std::string& userName);

    platform::SettingsStore& store_;
    station::Document& document_;
    Session& session_;
    LoginView& view_;
};

} // namespace velmora::users
