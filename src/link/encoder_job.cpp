#include "link/encoder_job.h"

#include "link/verification_run.h"

#include <variant>

namespace velmora::link {
namespace {

std::string differencesText(int count) {
    return std::to_string(count) + (count == 1 ? " verschil" : " verschillen");
}

} // namespace

std::string_view stepText(JobStep step) {
    switch (step) {
    case JobStep::Waiting:
        return "Wacht";
    case JobStep::Connecting:
        return "Verbinden";
    case JobStep::Filling:
        return "Vullen";
    case JobStep::Verifying:
        return "Controleren";
    case JobStep::ReadingOut:
        return "Uitlezen";
    case JobStep::SigningOff:
        return "Afmelden";
    case JobStep::Finished:
        return "Klaar";
    }
    return {};
}

std::string hardwareText(const std::optional<HardwareIdentity>& identity) {
    if (!identity) {
        return {};
    }
    return trimmed(identity->name) + " " + trimmed(identity->version);
}

EncoderJob::EncoderJob(JobParts parts)
    : task_(parts.task), content_(std::move(parts.content)), origin_(parts.origin),
      changed_(std::move(parts.changed)), readOutLimit_(parts.readOutLimit),
      session_({.line = parts.line,
                .timers = parts.timers,
                .view = *this,
                .verificationView = *this,
                .portToOpen = [port = parts.portNumber](int /*numberInForce*/) { return port; },
                .verifiesAfterFill = [this] { return task_ == JobTask::FillAndVerify; },
                .readOut = copy_.target()}) {
    session_.addListener(*this);
    readOutLimit_.setTimeoutHandler([this] { readOutTimeUp(); });
}

// A job that is let go of while it runs closes its port without a word.
EncoderJob::~EncoderJob() {
    destroying_ = true;
    readOutLimit_.setTimeoutHandler({});
    session_.closePortWithoutNotice();
}

void EncoderJob::start() {
    enter(JobStep::Connecting);
    session_.toggleConnection();
}

void EncoderJob::refuse(std::string_view reason) {
    report_.outcome = JobOutcome::Failed;
    report_.result = reason;
    enter(JobStep::Finished);
}

void EncoderJob::enter(JobStep step) {
    report_.step = step;
    changed_(report_);
}

void EncoderJob::sessionEvent(const SessionEvent& event) {
    if (destroying_) {
        return;
    }
    if (const auto* connected = std::get_if<Connected>(&event)) {
        report_.identity = connected->identity;
        startTask();
    } else if (const auto* started = std::get_if<TransferStarted>(&event)) {
        began(*started);
    } else if (const auto* transferEnded = std::get_if<TransferEnded>(&event)) {
        ended(*transferEnded);
    } else if (const auto* closed = std::get_if<Disconnected>(&event)) {
        disconnected(*closed);
    }
}

void EncoderJob::startTask() {
    switch (task_) {
    case JobTask::Fill:
    case JobTask::FillAndVerify:
        session_.startFill(content_, origin_);
        break;
    case JobTask::Verify:
        session_.startVerification(content_, origin_);
        break;
    case JobTask::ReadOut:
        session_.startReadOut(origin_);
        break;
    }
}

void EncoderJob::began(const TransferStarted& started) {
    switch (started.kind) {
    case TransferKind::Fill:
        enter(JobStep::Filling);
        break;
    case TransferKind::Verification:
        enter(JobStep::Verifying);
        break;
    case TransferKind::ReadOut:
        readOutLimit_.start(kVerificationLimit);
        enter(JobStep::ReadingOut);
        break;
    }
}

void EncoderJob::readOutTimeUp() {
    readOutLimit_.stop();
    if (report_.step == JobStep::ReadingOut) {
        conclude(JobOutcome::Failed, "De encoder antwoordde niet binnen " +
                                         std::to_string(kVerificationLimit.count()) + " seconden.");
    }
}

// A verification ends in showVerification, which has its result; a transfer
// that the closing port broke off ends in disconnected().
void EncoderJob::ended(const TransferEnded& ended) {
    if (ended.end != TransferEnd::Completed) {
        if (ended.end == TransferEnd::Failed && ended.kind == TransferKind::ReadOut) {
            conclude(JobOutcome::Failed, ended.detail);
        }
        return;
    }
    if (ended.kind == TransferKind::Fill && task_ == JobTask::Fill) {
        conclude(JobOutcome::Done, "Gevuld");
    } else if (ended.kind == TransferKind::ReadOut) {
        conclude(JobOutcome::Done, "Uitgelezen");
    }
}

void EncoderJob::showVerification(const Verification& result) {
    if (!result.decoderReceived()) {
        conclude(JobOutcome::Failed, timeLimitReport(result));
        return;
    }
    const int differences = result.differences();
    const bool filled = task_ == JobTask::FillAndVerify;
    if (differences > 0) {
        conclude(JobOutcome::Differences,
                 (filled ? "Gevuld, " : "") + differencesText(differences));
    } else {
        conclude(JobOutcome::Done, filled ? "Gevuld, geen verschillen" : "Geen verschillen");
    }
}

// A connection that is no longer there has already ended the job or is
// about to.
void EncoderJob::conclude(JobOutcome outcome, std::string result) {
    readOutLimit_.stop();
    report_.outcome = outcome;
    report_.result = std::move(result);
    if (session_.state() == ConnectionState::Connected) {
        enter(JobStep::SigningOff);
        session_.toggleConnection();
    }
}

// Whatever ends the connection ends the job; one that ends before the task
// did is the job's failure, in the words the program uses for it.
void EncoderJob::disconnected(const Disconnected& disconnected) {
    readOutLimit_.stop();
    if (isFinished()) {
        return;
    }
    if (report_.outcome == JobOutcome::Pending) {
        report_.outcome = JobOutcome::Failed;
        report_.result =
            disconnected.message.empty() ? "De encoder heeft zich afgemeld" : disconnected.message;
    }
    enter(JobStep::Finished);
}

} // namespace velmora::link
