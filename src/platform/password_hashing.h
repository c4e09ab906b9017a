#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Turns a password into a salted hash that can be stored where others may
// read it, and tells whether a typed password belongs to such a hash.
class PasswordHashing {
public:
    virtual ~PasswordHashing() = default;

    // Nothing when the system cannot spare what hashing takes.
    virtual std::optional<std::string> hash(std::string_view password) const = 0;
    virtual bool matches(std::string_view hash, std::string_view password) const = 0;
};

} // namespace velmora::platform
