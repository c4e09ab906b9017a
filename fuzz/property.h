#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmora::fuzz {

// Stops the run when a property does not hold. libFuzzer reports the abort as
// a crash and keeps the input that caused it.
inline void require(bool holds, std::string_view property) {
    if (!holds) {
        std::fprintf(stderr, "Property does not hold: %.*s\n", static_cast<int>(property.size()),
                     property.data());
        std::abort();
    }
}

} // namespace velmora::fuzz
