#include "link/encoder_session.h"

#include <variant>

namespace velmora::link {

EncoderSession::EncoderSession(SessionParts parts)
    : line_(parts.line), timers_(parts.timers), view_(parts.view),
      verifiesAfterFill_(std::move(parts.verifiesAfterFill)), outlet_(parts.line),
      transfer_(outlet_, timers_.pacing, view_),
      verification_(transfer_, timers_.verification, parts.verificationView,
                    [this](const SessionEvent& event) { tell(event); }),
      receiver_([this](std::string_view message) { take(message); }),
      connection_(
          line_, outlet_, timers_.supervision, std::move(parts.portToOpen), view_,
          {.changed = [this](ConnectionState state) { connectionChanged(state); },
           .closed = [this](ClosingCause cause,
                            std::string_view message) { connectionClosed(cause, message); }}) {
    if (parts.readOut) {
        received_.emplace(parts.readOut->document, parts.readOut->settings);
    }
    if (parts.live) {
        live_.emplace(outlet_, parts.live->timer, parts.live->file, parts.live->settings,
                      std::move(parts.live->clock));
        live_->setSentHandler([this](const std::string& text) { tell(LiveTextSent{text}); });
    }
    line_.setReceiveHandler([this](std::string_view bytes) {
        // Input that reaches a closed port is lost, as it is on the line.
        if (line_.isOpen()) {
            receiver_.feed(bytes);
        }
    });
    if (parts.reconnect) {
        reconnectionIsOn_ = std::move(parts.reconnect->isOn);
        reconnection_.emplace(
            parts.reconnect->timer,
            Reconnection::Handlers{
                .show =
                    [this](const std::optional<ReconnectWait>& wait) {
                        view_.showReconnection(wait);
                    },
                .waitBegins = [this](const ReconnectWait& wait) { tell(ReconnectionWaits{wait}); },
                .attempt = [this] { connection_.connectQuietly(); }});
    }
    line_.setLostHandler([this] { connection_.portLost(!reconnectsAfterLoss()); });
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

bool EncoderSession::isBusy() const {
    return transfer_.isFilling() || readingOut_ || verification_.isRunning() ||
           verification_.isWaiting();
}

void EncoderSession::toggleConnection() {
    if (reconnection_) {
        reconnection_->stop();
    }
    connection_.toggle();
}

bool EncoderSession::reconnectsAfterLoss() const {
    return reconnection_ && reconnectionIsOn_();
}

void EncoderSession::startFill(const FillContent& content, Origin origin) {
    // A verification waiting for the previous fill would cut into this one;
    // this fill's end starts its own.
    verification_.cancel(kVerificationCancelledByFill);
    if (transfer_.isFilling()) {
        endFill(TransferEnd::Replaced);
    }
    filling_ = content;
    fillOrigin_ = origin;
    transfer_.startFill(content);
    followLineUse();
    tell(TransferStarted{TransferKind::Fill, origin});
}

// The answers to the read request of a cancelled verification that are still
// on their way count for the read-out.
void EncoderSession::startReadOut(Origin origin) {
    verification_.cancel(kVerificationCancelledByReadOut);
    if (readingOut_) {
        endReadOut(TransferEnd::Replaced);
    }
    readingOut_ = origin;
    transfer_.startReadOut();
    tell(TransferStarted{TransferKind::ReadOut, origin});
}

void EncoderSession::startVerification(const FillContent& expected, Origin origin) {
    verification_.start(expected, origin);
}

void EncoderSession::endFill(TransferEnd end) {
    tell(TransferEnded{TransferKind::Fill, fillOrigin_, end, {}});
}

void EncoderSession::endReadOut(TransferEnd end, std::string detail) {
    const Origin origin = *readingOut_;
    readingOut_.reset();
    tell(TransferEnded{TransferKind::ReadOut, origin, end, std::move(detail)});
}

void EncoderSession::tell(const SessionEvent& event) {
    for (SessionListener* listener : listeners_) {
        listener->sessionEvent(event);
    }
}

void EncoderSession::progressClosedByUser() {
    transfer_.progressClosedByUser();
}

void EncoderSession::closePortWithoutNotice() {
    if (reconnection_) {
        reconnection_->stop();
    }
    if (line_.isOpen() || state() != ConnectionState::Disconnected) {
        connection_.close(ClosingCause::Asked);
    }
}

void EncoderSession::sendPiCode(std::uint16_t piCode) {
    if (!outlet_.isPortOpen()) {
        return;
    }
    outlet_.send(piFrame(piCode));
    tell(PiCodeSent{piCode});
}

void EncoderSession::connectionChanged(ConnectionState state) {
    view_.showConnectionState(state);
    followLineUse();
}

void EncoderSession::connectionClosed(ClosingCause cause, std::string_view message) {
    const bool wasFilling = transfer_.isFilling();
    transfer_.abandon();
    receiver_.discardPending();
    verification_.stop();
    followLineUse();
    if (wasFilling) {
        endFill(TransferEnd::BrokenOff);
    }
    if (readingOut_) {
        endReadOut(TransferEnd::BrokenOff);
    }
    tell(Disconnected{cause, std::string(message)});
    followReconnection(cause);
}

// A failed automatic connect waits for the next one; a loss starts them.
void EncoderSession::followReconnection(ClosingCause cause) {
    if (!reconnection_) {
        return;
    }
    if (reconnection_->isAttempting()) {
        reconnection_->attemptFailed();
    } else if (cause == ClosingCause::Lost && reconnectsAfterLoss()) {
        reconnection_->start();
    }
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
        verification_.startAfterFill(filling_, fillOrigin_);
    }
    followLineUse();
    endFill(TransferEnd::Completed);
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
    const bool wasConnecting = state() == ConnectionState::Connecting;
    connection_.confirm();
    const HardwareIdentity announced = identity_;
    const bool connected = wasConnecting && state() == ConnectionState::Connected;
    if (connected && reconnection_) {
        reconnection_->stop();
    }
    if (connected) {
        tell(Connected{announced});
    }
    // An automatic connect ends in the log, not in a window.
    if (!(connected && connection_.isQuiet())) {
        view_.showHardware(kSignOnCaption, announced);
    }
}

void EncoderSession::take(const SignOff& /*signOff*/) {
    connection_.close(ClosingCause::SignedOff);
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
        if (readingOut_) {
            endReadOut(TransferEnd::Completed);
        }
        break;
    case ReceivedSettings::DecoderOutcome::IntervalOutOfRange:
        break;
    case ReceivedSettings::DecoderOutcome::NotSaved: {
        transfer_.finishReadOut();
        const std::string text =
            std::string(platform::kSettingsNotSavedMessage) + received_->failureReason();
        if (readingOut_) {
            endReadOut(TransferEnd::Failed, text);
        }
        view_.showWarning(text);
        break;
    }
    }
}

} // namespace velmora::link
