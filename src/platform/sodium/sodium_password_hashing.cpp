#include "platform/sodium/sodium_password_hashing.h"

#include <sodium.h>

namespace velmora::platform {
namespace {

constexpr unsigned long long kPasses = 2;
constexpr std::size_t kMemoryBytes = std::size_t{19} << 20;

} // namespace

// Without a working library nothing is hashed and no hash matches.
SodiumPasswordHashing::SodiumPasswordHashing() : ready_(sodium_init() >= 0) {}

std::optional<std::string> SodiumPasswordHashing::hash(std::string_view password) const {
    char stored[crypto_pwhash_STRBYTES];
    if (!ready_ || crypto_pwhash_str_alg(stored, password.data(), password.size(), kPasses,
                                         kMemoryBytes, crypto_pwhash_ALG_ARGON2ID13) != 0) {
        return std::nullopt;
    }
    return std::string(stored);
}

bool SodiumPasswordHashing::matches(std::string_view hash, std::string_view password) const {
    // libsodium reads the hash as a C string.
    const std::string terminated(hash);
    return ready_ &&
           crypto_pwhash_str_verify(terminated.c_str(), password.data(), password.size()) == 0;
}

} // namespace velmora::platform
