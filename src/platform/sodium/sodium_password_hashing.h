#pragma once

#include "platform/password_hashing.h"

namespace velmora::platform {

// Argon2id through libsodium, at OWASP's minimum of 19 MiB and two passes:
// about a twentieth of a second per login. The hashing runs in a child
// process where there is one, so its memory never adds to the program's.
// The parameters travel inside each hash, so a later change of them leaves
// stored hashes valid.
class SodiumPasswordHashing : public PasswordHashing {
public:
    SodiumPasswordHashing();

    std::optional<std::string> hash(std::string_view password) const override;
    bool matches(std::string_view hash, std::string_view password) const override;

private:
    bool ready_;
};

} // namespace velmora::platform
