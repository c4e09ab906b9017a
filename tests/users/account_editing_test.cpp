#include "fakes/fake_settings_store.h"
#include "users/account_editing.h"
#include "users/accounts.h"

#include <gtest/gtest.h>

namespace velmora::users {
namespace {

TEST(AccountEditing, ConfirmNeedsNamePasswordAndAnyConfirmation) {
    EXPECT_FALSE(canConfirm({"jan", "geheim", "", "/a.Rds"}));
    EXPECT_FALSE(canConfirm({"", "geheim", "geheim", ""}));
    EXPECT_TRUE(canConfirm({"jan", "geheim", "anders", ""}));
}

TEST(AccountEditing, MismatchInCaseWritesNothing) {
    fakes::FakeSettingsStore store;
    std::string reason;
    EXPECT_EQ(saveAccount(store, {"jan", "Geheim", "geheim", "/a.Rds"}, reason),
              AccountSaveResult::PasswordsDiffer);
    EXPECT_EQ(store.saveCount(), 0);
}

TEST(AccountEditing, RenamedAccountIsWrittenBesideTheOldOne) {
    fakes::FakeSettingsStore store;
    std::string reason;
    ASSERT_EQ(saveAccount(store, {"jan", "Geheim", "Geheim", "/a.Rds"}, reason),
              AccountSaveResult::Saved);
    AccountFields edited = readAccount(store, "jan");
    EXPECT_EQ(edited.confirmation, "Geheim");
    edited.userName = "janneke";
    edited.linkedFile.clear();
    ASSERT_EQ(saveAccount(store, edited, reason), AccountSaveResult::Saved);
    EXPECT_EQ(store.GetSetting("jan", kLinkedFileKey), "/a.Rds");
    EXPECT_EQ(store.GetSetting("janneke", kPasswordKey), "Geheim");
    EXPECT_TRUE(store.has("janneke", kLinkedFileKey));
    EXPECT_EQ(store.GetSetting("janneke", kLinkedFileKey), "");
}

TEST(AccountEditing, StoreFailureIsReportedWithItsReason) {
    fakes::FakeSettingsStore store;
    store.failSaves = true;
    std::string reason;
    EXPECT_EQ(saveAccount(store, {"jan", "x", "x", ""}, reason), AccountSaveResult::StoreFailed);
    EXPECT_FALSE(reason.empty());
}

} // namespace
} // namespace velmora::users
