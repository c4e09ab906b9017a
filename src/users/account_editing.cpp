#include "users/account_editing.h"

#include "users/accounts.h"

namespace velmora::users {

AccountFields readAccount(const platform::SettingsStore& store, const std::string& userName) {
    const std::string password = store.GetSetting(userName, kPasswordKey);
    return AccountFields{.userName = userName,
                         .password = password,
                         .confirmation = password,
                         .linkedFile = store.GetSetting(userName, kLinkedFileKey)};
}

bool canConfirm(const AccountFields& fields) {
    return !fields.userName.empty() && !fields.password.empty() && !fields.confirmation.empty();
}

AccountSaveResult saveAccount(platform::SettingsStore& store, const AccountFields& fields,
                              std::string& failureReason) {
    if (fields.confirmation != fields.password) {
        return AccountSaveResult::PasswordsDiffer;
    }
    for (const auto& [key, value] :
         {std::pair{kPasswordKey, std::string_view(fields.password)},
          std::pair{kLinkedFileKey, std::string_view(fields.linkedFile)}}) {
        if (const auto status = store.SaveSetting(fields.userName, key, value); !status.ok()) {
            failureReason = status.reason();
            return AccountSaveResult::StoreFailed;
        }
    }
    return AccountSaveResult::Saved;
}

} // namespace velmora::users
