#pragma once

#include "link/verification_view.h"

#include <string>
#include <vector>

namespace velmora::fakes {

// Keeps every verification result the link shows.
class RecordingVerificationView : public link::VerificationView {
public:
    void showVerification(const link::Verification& result) override { results.push_back(result); }
    void showVerificationCancelled(std::string_view message) override {
        cancellations.emplace_back(message);
    }

    std::vector<link::Verification> results;
    std::vector<std::string> cancellations;
};

} // namespace velmora::fakes
