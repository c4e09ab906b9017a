#include "fakes/fake_password_hashing.h"
#include "fakes/fake_settings_store.h"
#include "settings/account.h"
#include "users/account_editing.h"

#include <gtest/gtest.h>

namespace velmora::users {
namespace {

class AccountEditing : public testing::Test {
protected:
    AccountSaveResult save(const AccountFields& fields) {
        return saveAccount(store, hashing, fields, reason);
    }

    fakes::FakeSettingsStore store;
    fakes::FakePasswordHashing hashing;
    std::string reason;
};

TEST_F(AccountEditing, ConfirmNeedsNamePasswordAndAnyConfirmation) {
    EXPECT_FALSE(canConfirm({"jan", "geheim", "", "/a.Rds"}));
    EXPECT_FALSE(canConfirm({"", "geheim", "geheim", ""}));
    EXPECT_TRUE(canConfirm({"jan", "geheim", "anders", ""}));
}

TEST_F(AccountEditing, MismatchInCaseWritesNothing) {
    EXPECT_EQ(save({"jan", "Geheim", "geheim", "/a.Rds"}), AccountSaveResult::PasswordsDiffer);
    EXPECT_EQ(store.saveCount(), 0);
}

// The stored password is never shown, and an untouched placeholder keeps it.
TEST_F(AccountEditing, RenamedAccountIsWrittenBesideTheOldOneWithItsPassword) {
    ASSERT_EQ(save({"jan", "Geheim", "Geheim", "/a.Rds"}), AccountSaveResult::Saved);
    EXPECT_EQ(settings::readAccount(store, "jan").password, hashing.hash("Geheim"));
    AccountFields edited = readAccount(store, "jan");
    EXPECT_EQ(edited.password, kStoredPasswordPlaceholder);
    EXPECT_EQ(edited.confirmation, kStoredPasswordPlaceholder);
    edited.userName = "janneke";
    edited.linkedFile.clear();
    ASSERT_EQ(save(edited), AccountSaveResult::Saved);
    EXPECT_EQ(settings::readAccount(store, "jan").linkedFile, "/a.Rds");
    EXPECT_EQ(settings::readAccount(store, "janneke").password, hashing.hash("Geheim"));
    EXPECT_TRUE(store.has("janneke", settings::kLinkedFile));
    EXPECT_EQ(settings::readAccount(store, "janneke").linkedFile, "");
}

TEST_F(AccountEditing, FailureIsReportedWithItsReasonAndWritesNothing) {
    hashing.failHashing = true;
    EXPECT_EQ(save({"jan", "x", "x", ""}), AccountSaveResult::StoreFailed);
    EXPECT_FALSE(reason.empty());
    hashing.failHashing = false;
    store.failSaves = true;
    reason.clear();
    EXPECT_EQ(save({"jan", "x", "x", ""}), AccountSaveResult::StoreFailed);
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(settings::readAccount(store, "jan").password, "");
}

} // namespace
} // namespace velmora::users
