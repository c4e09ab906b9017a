#pragma once

#include "platform/password_hashing.h"
#include "platform/settings_store.h"
#include "station/document.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::users {

inline constexpr std::string_view kAdministratorName = "*^Qentar^*";
inline constexpr std::string_view kAdministratorPassword = "Kez";

inline constexpr std::string_view kEmptyFieldsMessage =
    "Geef een gebruikersnaam en/of wachtwoord op";
inline constexpr std::string_view kWrongPasswordMessage =
    "Gebruikersnaam en/of wachtwoord is onjuist.";
// Followed by the store's own reason.

// The menu items whose state depends on who is logged in. An item without a
// value stays as it is.
struct AccountItems {
    std::optional<bool> newDocument{};        // "&Nieuw..."
    std::optional<bool> editCurrentUser{};    // "Huidige gebruiker aanpassen"
    std::optional<bool> comPort{};            // "&Compoort" and "&Zenders..."
    std::optional<bool> options{};            // "&Opties"
    std::optional<bool> decoderInformation{}; // "&Decoderinformatie"
    // The toolbar's "Nieuw" and "Opties" follow their menu items.
    bool toolbarFollows = true;

    bool operator==(const AccountItems&) const = default;
};

// Exact comparison, case included: "*^qentar^*" is an ordinary account.
bool isAdministrator(std::string_view userName);
// What a login of this user switches.
AccountItems accountItemsFor(std::string_view userName);
// After "&Nieuw..." nobody is logged in: the menu's account items are off
// until the next login, and "&Decoderinformatie" for the rest of the run. The
// toolbar keeps its entries, so that "Nieuw" still starts a new document.
AccountItems accountItemsAfterNewDocument();

// The main window as the accounts change it.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // The main window's caption, Windows-1252.
    virtual void setTitle(std::string_view title) = 0;
    virtual void applyAccountItems(const AccountItems& items) = 0;
    // Hidden until the first login window goes.
    virtual bool isShown() const = 0;
    virtual void showMainWindow() = 0;
};

// What the login asks of its window.
class LoginView {
public:
    virtual ~LoginView() = default;

    virtual void showWarning(std::string_view message) = 0;
    // Closes the login window.
    virtual void leaveLogin() = 0;
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
    Login(platform::SettingsStore& store, const platform::PasswordHashing& hashing,
          station::Document& document, Session& session, LoginView& view,
          MainWindowView& mainWindow)
        : store_(store), hashing_(hashing), document_(document), session_(session), view_(view),
          mainWindow_(mainWindow) {}

    // Runs each time the login window loads. The administrator's password is
    // public, so it is written as it is; its first login stores its hash.
    platform::Status seedAdministrator();
    LoginResult logIn(const std::string& userName, const std::string& password);
    void cancel();

private:
    void finishAttempt();
    void acceptUser(const std::string& userName);
    void leave();
    platform::Status storeAsHash(const std::string& userName, const std::string& password);

    platform::SettingsStore& store_;
    const platform::PasswordHashing& hashing_;
    station::Document& document_;
    Session& session_;
    LoginView& view_;
    MainWindowView& mainWindow_;
};

} // namespace velmora::users
