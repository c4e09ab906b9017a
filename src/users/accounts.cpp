#include "users/accounts.h"

#include "settings/account.h"
#include "settings/options.h"
#include "station/path_text.h"
#include "users/stored_password.h"
#include "users/window_title.h"

namespace velmora::users {

bool isAdministrator(std::string_view userName) {
    return userName == kAdministratorName;
}

AccountItems accountItemsFor(std::string_view userName) {
    const bool administrator = isAdministrator(userName);
    return AccountItems{.newDocument = true,
                        .editCurrentUser = !administrator,
                        .comPort = administrator,
                        .options = administrator};
}

AccountItems accountItemsAfterNewDocument() {
    return AccountItems{.newDocument = false,
                        .editCurrentUser = false,
                        .options = false,
                        .decoderInformation = false,
                        .toolbarFollows = false};
}

platform::Status Login::seedAdministrator() {
    return settings::writePassword(store_, kAdministratorName, kAdministratorPassword);
}

LoginResult Login::logIn(const std::string& userName, const std::string& password) {
    document_.setFileName({});
    if (userName.empty() || password.empty()) {
        finishAttempt();
        view_.showWarning(kEmptyFieldsMessage);
        return LoginResult::FieldsMissing;
    }
    session_.currentUser = userName;
    const PasswordCheck check =
        checkPassword(hashing_, settings::readAccount(store_, userName).password, password);
    if (check == PasswordCheck::Wrong) {
        finishAttempt();
        view_.showWarning(kWrongPasswordMessage);
        return LoginResult::Refused;
    }
    const platform::Status hashed = check == PasswordCheck::RightButStoredPlain
                                        ? storeAsHash(userName, password)
                                        : platform::Status::success();
    acceptUser(userName);
    finishAttempt();
    if (!hashed) {
        view_.showWarning(std::string(platform::kSettingsNotSavedMessage) + hashed.reason());
    }
    return LoginResult::LoggedIn;
}

platform::Status Login::storeAsHash(const std::string& userName, const std::string& password) {
    const std::optional<std::string> hash = hashing_.hash(password);
    if (!hash) {
        return platform::Status::failure(std::string(kPasswordNotHashedReason));
    }
    return settings::writePassword(store_, userName, *hash);
}

void Login::acceptUser(const std::string& userName) {
    leave();
    document_.replaceSet(station::SetKind::ProgrammeService, {});
    document_.replaceSet(station::SetKind::Radiotext, {});
    mainWindow_.setTitle(titleAfterLogin(settings::readOptions(store_).titleBarText, userName));
    mainWindow_.applyAccountItems(accountItemsFor(userName));
    // The store keeps the path as Windows-1252 text; the document holds it as UTF-8.
    document_.setFileName(
        station::utf8PathFromText(settings::readAccount(store_, userName).linkedFile));
    if (!document_.fileName().empty()) {
        view_.openLinkedFile();
    }
}

// The end of every attempt: a freshly logged-in document counts as unmodified.
// Done before any message is shown, so the state is complete while it is open.
void Login::finishAttempt() {
    document_.setModified(false);
}

// The main window is shown before the login window goes, so that at no moment
// no window of the program is visible. Shown for the first time, the document
// it holds counts as unmodified.
void Login::leave() {
    if (!mainWindow_.isShown()) {
        mainWindow_.showMainWindow();
        document_.setModified(false);
    }
    view_.leaveLogin();
}

void Login::cancel() {
    leave();
    mainWindow_.setTitle(titleWithoutLogin(settings::readOptions(store_).titleBarText));
}

} // namespace velmora::users
