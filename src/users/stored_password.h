#pragma once

#include "platform/password_hashing.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::users {

// The boxes of the login window and the user editor take at most this many
// characters of a user name or a password.
inline constexpr int kLongestAccountText = 10;

// An account's password key holds an Argon2id hash of the password. A
// store written by an earlier version holds the password itself; it is
// compared exactly, case included, and replaced by its hash once it has let
// its user in.
bool isPasswordHash(std::string_view stored);

// Why a password could not be stored, after "De instellingen konden niet
// worden opgeslagen: ".
inline constexpr std::string_view kPasswordNotHashedReason =
    "er is te weinig geheugen om het wachtwoord te beveiligen";

enum class PasswordCheck {
    Wrong,
    Right,
    // Right, and stored as it was typed: its hash should take its place.
    RightButStoredPlain,
};

PasswordCheck checkPassword(const platform::PasswordHashing& hashing, std::string_view stored,
                            std::string_view typed);

} // namespace velmora::users
