#include "users/stored_password.h"

namespace velmora::users {
namespace {

constexpr std::string_view kHashPrefix = "$argon2id$";

} // namespace

bool isPasswordHash(std::string_view stored) {
    // Longer than a password can be, so that a password typed as the prefix
    // itself is still a password.
    return stored.size() > static_cast<std::size_t>(kLongestAccountText) &&
           stored.starts_with(kHashPrefix);
}

PasswordCheck checkPassword(const platform::PasswordHashing& hashing, std::string_view stored,
                            std::string_view typed) {
    if (isPasswordHash(stored)) {
        return hashing.matches(stored, typed) ? PasswordCheck::Right : PasswordCheck::Wrong;
    }
    return typed == stored ? PasswordCheck::RightButStoredPlain : PasswordCheck::Wrong;
}

} // namespace velmora::users
