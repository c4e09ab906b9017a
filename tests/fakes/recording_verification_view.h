#pragma once

#include "link/verification_view.h"

#include <vector>

namespace velmora::fakes {

// Keeps every verification result the link shows.
class RecordingVerificationView : public link::VerificationView {
public:
    void showVerification(const link::Verification& result) override { results.push_back(result); }

    std::vector<link::Verification> results;
};

} // namespace velmora::fakes
