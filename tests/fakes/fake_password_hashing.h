#pragma once

#include "platform/password_hashing.h"

namespace velmora::fakes {

// A "hash" that is the password behind a mark in the hash's own form, made
// at once: the account rules' tests need no real hashing.
class FakePasswordHashing : public platform::PasswordHashing {
public:
    static constexpr std::string_view kMark = "$argon2id$fake$";

    std::optional<std::string> hash(std::string_view password) const override {
        if (failHashing) {
            return std::nullopt;
        }
        return std::string(kMark) + std::string(password);
    }
    bool matches(std::string_view hash, std::string_view password) const override {
        return hash.starts_with(kMark) && hash.substr(kMark.size()) == password;
    }

    bool failHashing = false;
};

} // namespace velmora::fakes
