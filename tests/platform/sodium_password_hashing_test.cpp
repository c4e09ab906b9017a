#include "platform/sodium/sodium_password_hashing.h"
#include "users/stored_password.h"

#include <gtest/gtest.h>
#include <sodium.h>

namespace velmora::platform {
namespace {

TEST(SodiumPasswordHashing, SaltedArgon2idAtLeastAtOwaspsMinimum) {
    const SodiumPasswordHashing hashing;
    const std::optional<std::string> first = hashing.hash("Geheim");
    const std::optional<std::string> second = hashing.hash("Geheim");
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    EXPECT_TRUE(users::isPasswordHash(*first));
    EXPECT_TRUE(hashing.matches(*first, "Geheim"));
    EXPECT_FALSE(hashing.matches(*first, "geheim"));
    EXPECT_FALSE(hashing.matches("Geheim", "Geheim"));
    // A hash made with fewer passes or less memory than these would need a new one.
    EXPECT_EQ(crypto_pwhash_str_needs_rehash(first->c_str(), 2, std::size_t{19} << 20), 0);
}

} // namespace
} // namespace velmora::platform
