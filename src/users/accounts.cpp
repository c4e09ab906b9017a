#include "users/accounts.h"

namespace velmora::users {

namespace {
constexpr std::string_view kOptionsSection = "Opties";
constexpr std::string_view kTitleBarKey = "Titelbalk";
constexpr std::string_view kProgramName = "Velmora";
} // namespace

bool isAdministrator(std::string_view userName) { return userName == kAdministratorName; }

AccountItems accountItemsFor(std::string_view userName) {
    const bool administrator = isAdministrator(userName);
    return AccountItems{.newDocument = true,
                        .editCurrentUser = !administrator,
                        .comPort = administrator,
                        .options = administrator};
}

std::string titleAfterLogin(std::string_view titleBarText, std::string_view userName) {
    std::string title(kProgramName);
    if (!titleBarText.empty()) {
        title.append("  ").append(titleBarText);
    }
    return title.append("    (").append(userName).append(")");
}

std::string titleWithoutLogin(std::string_view titleBarText) {
    return titleAfterLogin(titleBarText, "Nieuw");
}

std::string titleBarText(const platform::SettingsStore& store) {
    return store.GetSetting(kOptionsSection, kTitleBarKey);
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
    currentUser_ = userName;
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
    document_.setFileName(store_.GetSetting(userName, kLinkedFileKey));
    if (!document_.fileName().empty()) {
        view_.openLinkedFile(document_.fileName());
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
