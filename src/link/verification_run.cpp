#include "link/verification_run.h"

namespace velmora::link {

VerificationRun::VerificationRun(Transfer& transfer, platform::Timer& timer, VerificationView& view)
    : transfer_(transfer), timer_(timer), view_(view) {
    timer_.setTimeoutHandler([this] { timeUp(); });
}

VerificationRun::~VerificationRun() {
    timer_.setTimeoutHandler({});
}

void VerificationRun::start(const FillContent& expected) {
    waiting_.reset();
    running_.emplace(expected.programmeService, expected.radiotext, expected.decoder);
    transfer_.startReadOut();
    timer_.start(kVerificationLimit);
}

void VerificationRun::startAfterFill(const FillContent& expected) {
    if (running_) {
        return;
    }
    waiting_ = expected;
    timer_.start(kVerificationAfterFill);
}

void VerificationRun::take(const EntryAnswer& entry) {
    running_->take(entry);
    transfer_.advanceReadOut();
}

void VerificationRun::take(const DecoderAnswer& decoder) {
    running_->take(decoder);
    finish();
}

void VerificationRun::cancel(std::string_view message) {
    if (!running_ && !waiting_) {
        return;
    }
    stop();
    view_.showVerificationCancelled(message);
}

void VerificationRun::stop() {
    timer_.stop();
    running_.reset();
    waiting_.reset();
}

void VerificationRun::timeUp() {
    timer_.stop();
    if (waiting_) {
        const FillContent expected = std::move(*waiting_);
        start(expected);
    } else if (running_) {
        finish();
    }
}

// The result window comes last, as it may bring more input with it.
void VerificationRun::finish() {
    timer_.stop();
    transfer_.finishReadOut();
    const Verification result = std::move(*running_);
    running_.reset();
    view_.showVerification(result);
}

} // namespace velmora::link
