#pragma once

#include <string>

namespace velmora::bench {

// Complete PS and RT sets, so that every frame built from them has its full length.
inline std::string samplePsSet() {
    std::string set;
    for (int entry = 0; entry < 10; ++entry) {
        set += "RADIO " + std::to_string(entry) + " 1\r\n";
    }
    return set;
}

inline std::string sampleRtSet() {
    std::string set;
    for (int entry = 0; entry < 5; ++entry) {
        set += std::string(64, static_cast<char>('a' + entry)) + "1\r\n";
    }
    return set;
}

} // namespace velmora::bench
