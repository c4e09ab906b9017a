#include "link/encoder_session.h"

#include <variant>

namespace velmora::link {

EncoderSession::EncoderSession(SessionParts parts)
    : line_(parts.line), timers_(parts.timers), view_(parts.view),
      verifiesAfterFill_(std::move(parts.verifiesAfterFill)), outlet_(parts.line),
      transfer_(outlet_, timers_.pacing, view_),
      verification_(transfer_, timers_.verification, parts.verificationView),
      receiver_([this](std::string_view message) { take(message); }),
      connection_(line_, outlet_, timers_.supervision, std::move(parts.portToOpen), view_,
                  {.changed = [this](ConnectionState state) { connectionChanged(state); },
                   .closed = [this] { connectionClosed(); }}) {
    if (parts.readOut) {
        received_.emplace(parts.readOut->document, parts.readOut->settings);
    }
    if (parts.live) {
        live_.emplace(outlet_, parts.live->timer, parts.live->file, parts.live->settings,
                      std::move(parts.live->clock));
    }
    line_.setReceiveHandler([this](std::string_view bytes) {
        // Input that reaches a closed port is lost, as it is on the line.
        if (line_.isOpen()) {
            receiver_.feed(bytes);
        }
    });
    line_.setLostHandler([this] { connection_.portLost(); });
    line_.setOpenFailedHandler(
        [this](platform::SerialLine::OpenResult result) { connection_.openFailed(result); });
    timers_.supervision.setTimeoutHandler([this] { connection_.supervisionExpired(); });
    timers_.pacing.setTimeoutHandler([this] { pacingTick(); });
}

EncoderSession::~EncoderSession() {
    line_.setReceiveHandler({});
    line_.setLostHandler({});
    line_.setOpenFailedHandler({});
    timers_.supervision.setTimeoutHandler({});
    timers_.pacing.setTimeoutHandler({});
}

void EncoderSession::toggleConnection() {
    connection_.toggle();
}

void EncoderSession::startFill(const FillContent& content) {
    // A verification waiting for the previous fill would cut into this one;
    // this fill's end starts its own.
    verification_.cancel(kVerificationCancelledByFill);
    filling_ = content;
    transfer_.startFill(content);
    followLineUse();
}

// The answers to the read request of a cancelled verification that are still
// on their way count for the read-out.
void EncoderSession::startReadOut() {
    verification_.cancel(kVerificationCancelledByReadOut);
    transfer_.startReadOut();
}

void EncoderSession::startVerification(const FillContent& expected) {
    verification_.start(expected);
}

void EncoderSession::progressClosedByUser() {
    transfer_.progressClosedByUser();
}

void EncoderSession::closePortWithoutNotice() {
    if (line_.isOpen() || state() != ConnectionState::Disconnected) {
        connection_.close();
    }
}

void EncoderSession::sendPiCode(std::uint16_t piCode) {
    outlet_.send(piFrame(piCode));
}

void EncoderSession::connectionChanged(ConnectionState state) {
    view_.showConnectionState(state);
    followLineUse();
}

void EncoderSession::connectionClosed() {
    transfer_.abandon();
    receiver_.discardPending();
    verification_.stop();
    followLineUse();
}

// Frames that go out by themselves may while a connection stands and no fill
// holds the line.
void EncoderSession::followLineUse() {
    if (state() != ConnectionState::Connected) {
        outlet_.setUse(LineUse::Closed);
    } else {
        outlet_.setUse(transfer_.isFilling() ? LineUse::HeldByFill : LineUse::Free);
    }
}

void EncoderSession::pacingTick() {
    const bool wasFilling = transfer_.isFilling();
    transfer_.pacingTick();
    if (!wasFilling || transfer_.isFilling() || state() != ConnectionState::Connected) {
        return;
    }
    if (verifiesAfterFill_()) {
        verification_.startAfterFill(filling_);
    }
    followLineUse();
}

void EncoderSession::take(std::string_view message) {
    std::visit(
        [this](const auto& decoded) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(decoded)>, OtherMessage>) {
                take(decoded);
            }
        },
        decode(message));
}

// The modal windows below come last: more input may be handled while they are up.

void EncoderSession::take(const Identification& identification) {
    identity_ = identification.identity;
    connection_.confirm();
    const HardwareIdentity announced = identity_;
    view_.showHardware(kSignOnCaption, announced);
}

void EncoderSession::take(const SignOff& /*signOff*/) {
    connection_.close();
    std::optional<HardwareIdentity> known;
    if (!identity_.name.empty()) {
        known = identity_;
    }
    view_.showHardware(kSignOffCaption, known);
}

// Every entry is kept in the received tables; it changes the document only
// when it is no answer to a verification.
void EncoderSession::take(const EntryAnswer& entry) {
    if (verification_.isRunning()) {
        if (received_) {
            received_->storeEntry(entry);
        }
        verification_.take(entry);
        return;
    }
    if (received_ && received_->takeEntry(entry)) {
        transfer_.advanceReadOut();
    }
}

void EncoderSession::take(const DecoderAnswer& decoder) {
    if (verification_.isRunning()) {
        verification_.take(decoder);
        return;
    }
    if (!received_) {
        return;
    }
    switch (received_->takeDecoder(decoder)) {
    case ReceivedSettings::DecoderOutcome::Written:
        transfer_.finishReadOut();
        break;
    case ReceivedSettings::DecoderOutcome::IntervalOutOfRange:
        break;
    case ReceivedSettings::DecoderOutcome::NotSaved:
        transfer_.finishReadOut();
        view_.showWarning(std::string(platform::kSettingsNotSavedMessage) +
                          received_->failureReason());
        break;
    }
}

} // namespace velmora::link
