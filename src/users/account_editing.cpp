#include "users/account_editing.h"

#include "settings/account.h"
#include "users/stored_password.h"

namespace velmora::users {

AccountFields readAccount(const platform::SettingsStore& store, const std::string& userName) {
    settings::Account stored = settings::readAccount(store, userName);
    const std::string shown =
        stored.password.empty() ? std::string() : std::string(kStoredPasswordPlaceholder);
    return AccountFields{.userName = userName,
                         .password = shown,
                         .confirmation = shown,
                         .linkedFile = std::move(stored.linkedFile),
                         .storedPassword = stored.password.empty()
                                               ? std::nullopt
                                               : std::optional(std::move(stored.password))};
}

bool canConfirm(const AccountFields& fields) {
    return !fields.userName.empty() && !fields.password.empty() && !fields.confirmation.empty();
}

AccountSaveResult saveAccount(platform::SettingsStore& store,
                              const platform::PasswordHashing& hashing, const AccountFields& fields,
                              std::string& failureReason) {
    if (fields.confirmation != fields.password) {
        return AccountSaveResult::PasswordsDiffer;
    }
    std::optional<std::string> password = fields.storedPassword;
    if (!password) {
        password = hashing.hash(fields.password);
    }
    if (!password) {
        failureReason = kPasswordNotHashedReason;
        return AccountSaveResult::StoreFailed;
    }
    const settings::Account account{.password = *password, .linkedFile = fields.linkedFile};
    if (const auto status = settings::writeAccount(store, fields.userName, account); !status.ok()) {
        failureReason = status.reason();
        return AccountSaveResult::StoreFailed;
    }
    return AccountSaveResult::Saved;
}

} // namespace velmora::users
