#include "settings/account.h"

#include "settings/settings_schema.h"

namespace velmora::settings {

Account readAccount(const platform::SettingsStore& store, std::string_view userName) {
    return {.password = read(store, userName, kPassword),
            .linkedFile = read(store, userName, kLinkedFile)};
}

platform::Status writeAccount(platform::SettingsStore& store, std::string_view userName,
                              const Account& account) {
    const Entry<AccountKey> entries[] = {{kPassword, account.password},
                                         {kLinkedFile, account.linkedFile}};
    return write(store, userName, entries);
}

platform::Status writePassword(platform::SettingsStore& store, std::string_view userName,
                               std::string_view password) {
    return write(store, userName, kPassword, password);
}

} // namespace velmora::settings
