#include "link/verification_run.h"

namespace velmora::link {

std::string timeLimitReport(const Verification& result) {
    std::string labels;
    for (const std::string& label : result.missing()) {
        labels += (labels.empty() ? "" : ", ") + label;
    }
    return "De encoder antwoordde niet binnen " + std::to_string(kVerificationLimit.count()) +
           " seconden. Niet ontvangen: " + labels + ".";
}

VerificationRun::VerificationRun(Transfer& transfer, platform::Timer& timer, VerificationView& view,
                                 Tell tell)
    : transfer_(transfer), timer_(timer), view_(view), tell_(std::move(tell)) {
    timer_.setTimeoutHandler([this] { timeUp(); });
}

VerificationRun::~VerificationRun() {
    timer_.setTimeoutHandler({});
}

void VerificationRun::start(const FillContent& expected, Origin origin) {
    if (running_) {
        end(TransferEnd::Replaced, {});
    }
    waiting_.reset();
    origin_ = origin;
    running_.emplace(expected.programmeService, expected.radiotext, expected.decoder);
    transfer_.startReadOut();
    timer_.start(kVerificationLimit);
    tell_(TransferStarted{TransferKind::Verification, origin});
}

void VerificationRun::startAfterFill(const FillContent& expected, Origin origin) {
    if (running_) {
        return;
    }
    waiting_ = expected;
    origin_ = origin;
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
    if (running_) {
        end(TransferEnd::Replaced, std::string(message));
    }
    timer_.stop();
    waiting_.reset();
    view_.showVerificationCancelled(message);
}

void VerificationRun::stop() {
    if (running_) {
        end(TransferEnd::BrokenOff, {});
    }
    timer_.stop();
    waiting_.reset();
}

void VerificationRun::timeUp() {
    timer_.stop();
    if (waiting_) {
        const FillContent expected = std::move(*waiting_);
        start(expected, origin_);
    } else if (running_) {
        finish();
    }
}

// The result window comes last, as it may bring more input with it.
void VerificationRun::finish() {
    timer_.stop();
    transfer_.finishReadOut();
    const Verification result = std::move(*running_);
    const bool complete = result.decoderReceived();
    end(complete ? TransferEnd::Completed : TransferEnd::Failed,
        complete ? result.summary() : timeLimitReport(result));
    view_.showVerification(result);
}

void VerificationRun::end(TransferEnd how, std::string detail) {
    running_.reset();
    tell_(TransferEnded{TransferKind::Verification, origin_, how, std::move(detail)});
}

} // namespace velmora::link
