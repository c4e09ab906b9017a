#include "fakes/fake_password_hashing.h"
#include "fakes/fake_settings_store.h"
#include "fakes/param_names.h"
#include "fakes/recording_main_window.h"
#include "fakes/settings_builders.h"
#include "settings/account.h"
#include "settings/options.h"
#include "users/accounts.h"

#include <gtest/gtest.h>

namespace velmora::users {
namespace {

using fakes::PrintTo;

class LoginTest : public testing::Test {
protected:
    LoginTest() {
        document.replaceSet(station::SetKind::ProgrammeService, "PS");
        document.replaceSet(station::SetKind::Radiotext, "RT");
        document.setFileName("/old.Rds");
        window.whileOpeningLinkedFile = [this] { linkedFiles.push_back(document.fileName()); };
        EXPECT_TRUE(login.seedAdministrator().ok());
    }

    void addAccount(const std::string& name, const std::string& password,
                    const std::string& file = {}) {
        ASSERT_TRUE(fakes::withAccount(store, name, password, file).ok());
    }

    void expectFlagsCleared() const { EXPECT_FALSE(document.isModified()); }

    fakes::FakeSettingsStore store;
    fakes::RecordingMainWindow window;
    station::Document document{window};
    // The document's file name at each opening of the linked file.
    std::vector<std::string> linkedFiles;
    Session session;
    fakes::FakePasswordHashing hashing;
    Login login{store, hashing, document, session, window, window};
};

// The main window comes up as the first login window goes; a document it then
// holds is nobody's edit. Once shown, leaving a login changes nothing of that.
TEST_F(LoginTest, OnlyTheFirstLeavingShowsTheMainWindowAsUnmodified) {
    document.setModified(true);
    login.cancel();
    EXPECT_TRUE(window.shown);
    EXPECT_FALSE(document.isModified());

    document.setModified(true);
    login.cancel();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(window.loginsLeft, 2);
}

TEST_F(LoginTest, AdministratorLogsInOnACleanStore) {
    EXPECT_EQ(login.logIn("*^Qentar^*", "Kez"), LoginResult::LoggedIn);
    EXPECT_EQ(window.loginsLeft, 1);
    EXPECT_EQ(window.titles, std::vector<std::string>{"Velmora    (*^Qentar^*)"});
    EXPECT_EQ(window.accountItems, (AccountItems{true, false, true, true}));
    EXPECT_TRUE(document.programmeServiceSet().empty());
    EXPECT_TRUE(document.radiotextSet().empty());
    EXPECT_TRUE(document.fileName().empty());
    EXPECT_TRUE(linkedFiles.empty());
    EXPECT_TRUE(window.warnings.empty());
    expectFlagsCleared();
}

TEST_F(LoginTest, OrdinaryAccountOpensItsLinkedFileUnderTheTitleBarText) {
    addAccount("jan", "Geheim", "/stations/radio.Rds");
    ASSERT_TRUE(settings::writeTitleBarText(store, "Radio Noord").ok());
    EXPECT_EQ(login.logIn("jan", "Geheim"), LoginResult::LoggedIn);
    EXPECT_EQ(session.currentUser, "jan");
    EXPECT_EQ(window.titles, std::vector<std::string>{"Velmora  Radio Noord    (jan)"});
    EXPECT_EQ(window.accountItems, (AccountItems{true, true, false, false}));
    EXPECT_EQ(document.fileName(), "/stations/radio.Rds");
    EXPECT_EQ(linkedFiles, std::vector<std::string>{"/stations/radio.Rds"});
    expectFlagsCleared();
}

// The store keeps Windows-1252 text; the document's file name is the UTF-8
// path the file store opens.
TEST_F(LoginTest, LinkedFileNameBecomesAUtf8Path) {
    addAccount("jos\xE9", "Geheim", "/stations/caf\xE9.Rds");
    EXPECT_EQ(login.logIn("jos\xE9", "Geheim"), LoginResult::LoggedIn);
    EXPECT_EQ(document.fileName(), "/stations/caf\xC3\xA9.Rds");
    EXPECT_EQ(linkedFiles, std::vector<std::string>{"/stations/caf\xC3\xA9.Rds"});
}

// A store written by an earlier version holds the password itself.
TEST_F(LoginTest, PlainPasswordIsReplacedByItsHashAtTheFirstLogin) {
    addAccount("jan", "Geheim");
    ASSERT_EQ(login.logIn("jan", "Geheim"), LoginResult::LoggedIn);
    EXPECT_EQ(settings::readAccount(store, "jan").password, hashing.hash("Geheim"));
    EXPECT_EQ(login.logIn("jan", "Geheim"), LoginResult::LoggedIn);
    EXPECT_EQ(login.logIn("jan", "geheim"), LoginResult::Refused);
    EXPECT_EQ(settings::readAccount(store, "jan").password, hashing.hash("Geheim"));

    hashing.failHashing = true;
    addAccount("piet", "Wacht");
    window.warnings.clear();
    EXPECT_EQ(login.logIn("piet", "Wacht"), LoginResult::LoggedIn);
    EXPECT_EQ(settings::readAccount(store, "piet").password, "Wacht");
    ASSERT_EQ(window.warnings.size(), 1U);
    EXPECT_TRUE(window.warnings[0].starts_with(platform::kSettingsNotSavedMessage));
}

TEST_F(LoginTest, EmptyFieldsAreRefusedBeforeTheUserIsRemembered) {
    for (const auto& [name, password] : {std::pair{"", "Kez"}, std::pair{"jan", ""}}) {
        EXPECT_EQ(login.logIn(name, password), LoginResult::FieldsMissing);
    }
    EXPECT_EQ(window.warnings, (std::vector<std::string>(2, std::string(kEmptyFieldsMessage))));
    EXPECT_TRUE(session.currentUser.empty());
    EXPECT_TRUE(document.fileName().empty());
    EXPECT_EQ(document.programmeServiceSet(), "PS");
    EXPECT_EQ(window.loginsLeft, 0);
    expectFlagsCleared();
}

struct RefusedCase {
    const char* name;
    const char* user;
    const char* password;
};

class RefusedLogin : public LoginTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedLogin, KeepsTheTypedNameAndTheDocument) {
    addAccount("jan", "Geheim");
    EXPECT_EQ(login.logIn(GetParam().user, GetParam().password), LoginResult::Refused);
    EXPECT_EQ(window.warnings, std::vector<std::string>{std::string(kWrongPasswordMessage)});
    EXPECT_EQ(session.currentUser, GetParam().user);
    EXPECT_TRUE(document.fileName().empty());
    EXPECT_EQ(document.radiotextSet(), "RT");
    EXPECT_EQ(window.loginsLeft, 0);
    EXPECT_FALSE(window.accountItems.has_value());
    expectFlagsCleared();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedLogin,
    testing::Values(RefusedCase{"PasswordInAnotherCase", "jan", "geheim"},
                    RefusedCase{"UnknownAccount", "piet", "x"},
                    RefusedCase{"AdministratorPasswordInAnotherCase", "*^Qentar^*", "kez"},
                    RefusedCase{"AdministratorNameInAnotherCase", "*^qentar^*", "Kez"}),
    fakes::ByCaseName());

TEST_F(LoginTest, AdministratorNameInAnotherCaseIsAnOrdinaryAccount) {
    addAccount("*^QENTAR^*", "Kez");
    EXPECT_EQ(login.logIn("*^QENTAR^*", "Kez"), LoginResult::LoggedIn);
    EXPECT_EQ(window.accountItems, accountItemsFor("jan"));
}

TEST_F(LoginTest, SeedingRestoresTheAdministratorPassword) {
    addAccount("*^Qentar^*", "Anders", "/a.Rds");
    EXPECT_TRUE(login.seedAdministrator().ok());
    EXPECT_EQ(settings::readAccount(store, "*^Qentar^*").password, "Kez");
    EXPECT_EQ(settings::readAccount(store, "*^Qentar^*").linkedFile, "/a.Rds");
}

TEST_F(LoginTest, SeedingReportsAStoreThatCannotBeWritten) {
    store.failSaves = true;
    EXPECT_FALSE(login.seedAdministrator().ok());
}

// As after "Opnieuw aanmelden", with the main window up.
TEST_F(LoginTest, CancelSetsOnlyTheTitle) {
    window.shown = true;
    login.logIn("piet", "x");
    window.warnings.clear();
    document.setModified(true);
    login.cancel();
    EXPECT_EQ(window.titles, std::vector<std::string>{"Velmora    (Nieuw)"});
    EXPECT_EQ(session.currentUser, "piet");
    EXPECT_TRUE(document.isModified());
    EXPECT_FALSE(window.accountItems.has_value());
    ASSERT_TRUE(settings::writeTitleBarText(store, " Studio ").ok());
    login.cancel();
    EXPECT_EQ(window.titles,
              (std::vector<std::string>{"Velmora    (Nieuw)", "Velmora   Studio     (Nieuw)"}));
}

} // namespace
} // namespace velmora::users
