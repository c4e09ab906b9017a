#pragma once

#include "platform/password_hashing.h"

namespace velmora::platform {

// Argon2id through libsodium, at OWASP's minimum of 19 MiB and two passes:
// about a twentieth of a second per login, and well within the program's
// memory. The parameters travel inside each hash, so a later change of them
// leaves stored hashes valid.
class SodiumPasswordHashing : public PasswordHashing {
public:
    SodiumPasswordHashing();

    std::optional<std::string> hash(std::string_view password) const override;
    bool matches(std::string_view hash, std::string_view password) const override;

private:
    bool ready_;
};

} // namespace velmora::platform
