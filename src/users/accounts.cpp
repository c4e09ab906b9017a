#include "users/accounts.h"

#include "station/path_text.h"
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

platform::Status Login::seedAdministrator() {
    return store_.SaveSetting(kAdministratorName, kPasswordKey, kAdministratorPassword);
}

LoginResult Login::logIn(const std::string& userName, const std::string& password) {
    document_.setFileName({});
    if (userName.empty() || password.empty()) {
        finishAttempt();
        view_.showWarning(kEmptyFieldsMessage);
        return LoginResult::FieldsMissing;
    }
    session_.currentUser = userName;
    if (password != store_.GetSetting(userName, kPasswordKey)) {
        finishAttempt();
        view_.showWarning(kWrongPasswordMessage);
        return LoginResult::Refused;
    }
    acceptUser(userName);
    finishAttempt();
    return LoginResult::LoggedIn;
}

void Login::acceptUser(const std::string& userName) {
    view_.leaveLogin();
    document_.replaceSet(station::SetKind::ProgrammeService, {});
    document_.replaceSet(station::SetKind::Radiotext, {});
    view_.setMainTitle(titleAfterLogin(titleBarText(store_), userName));
    view_.setAccountItems(accountItemsFor(userName));
    // The store keeps the path as Windows-1252 text; the document holds it as UTF-8.
    document_.setFileName(station::utf8PathFromText(store_.GetSetting(userName, kLinkedFileKey)));
    if (!document_.fileName().empty()) {
        view_.openLinkedFile();
    }
}

// The end of every attempt: a freshly logged-in document counts as unmodified.
// Done before any message is shown, so the state is complete while it is open.
void Login::finishAttempt() {
    document_.setModified(false);
    document_.setExitAfterSave(false);
}

void Login::cancel() {
    view_.leaveLogin();
    view_.setMainTitle(titleWithoutLogin(titleBarText(store_)));
}

} // namespace velmora::users
