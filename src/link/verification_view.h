#pragma once

#include "link/verification.h"

namespace velmora::link {

// Where the result of a verification of the encoder goes: complete once the
// decoder information has come, or cut short by the time limit, in which case
// decoderReceived() is false and missing() names what did not come.
class VerificationView {
public:
    virtual ~VerificationView() = default;
    virtual void showVerification(const Verification& result) = 0;
    // A running or waiting verification gave way to the user's fill or
    // read-out; the message says which.
    virtual void showVerificationCancelled(std::string_view message) = 0;
};

} // namespace velmora::link
