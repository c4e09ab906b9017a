#include "link/encoder_link.h"

#include "settings/decoder_settings.h"
#include "settings/settings_schema.h"

#include <optional>
#include <string>

namespace velmora::link {

EncoderLink::EncoderLink(platform::SerialLine& line, platform::Timer& supervisionTimer,
                         platform::Timer& pacingTimer, platform::SettingsStore& settings,
                         station::Document& document, LinkView& view,
                         platform::Timer& verificationTimer, VerificationView& verificationView)
    : line_(line), supervisionTimer_(supervisionTimer), pacingTimer_(pacingTimer),
      verificationTimer_(verificationTimer), settings_(settings), document_(document), view_(view),
      verificationView_(verificationView), transfer_(line, pacingTimer, document, settings, view),
      received_(document, settings),
      receiver_([this](std::string_view message) { takeMessage(message); }),
      connection_(line, supervisionTimer, settings, view, [this] {
          transfer_.abandon();
          receiver_.discardPending();
          verificationTimer_.stop();
          verification_.reset();
          verificationDue_ = false;
          tellLine(&LineListener::lineClosed);
      }) {
    line_.setReceiveHandler([this](std::string_view bytes) {
        // Input that reaches a closed port is lost, as it is on the line.
        if (line_.isOpen()) {
            receiver_.feed(bytes);
        }
    });
    line_.setLostHandler([this] { connection_.portLost(); });
    line_.setOpenFailedHandler(
        [this](platform::SerialLine::OpenResult result) { connection_.openFailed(result); });
    supervisionTimer_.setTimeoutHandler([this] { connection_.supervisionExpired(); });
    pacingTimer_.setTimeoutHandler([this] { pacingTick(); });
    verificationTimer_.setTimeoutHandler([this] { verificationTimeout(); });
}

EncoderLink::~EncoderLink() {
    line_.setReceiveHandler({});
    line_.setLostHandler({});
    line_.setOpenFailedHandler({});
    supervisionTimer_.setTimeoutHandler({});
    pacingTimer_.setTimeoutHandler({});
    verificationTimer_.setTimeoutHandler({});
}

void EncoderLink::toggleConnection() {
    connection_.toggle();
    if (state() == ConnectionState::Disconnecting) {
        tellLine(&LineListener::lineClosed);
    }
}

// A verification waiting for the previous fill would cut into this one; this
// fill's end schedules its own.
void EncoderLink::startFill() {
    cancelVerification(kVerificationCancelledByFill);
    transfer_.startFill();
    if (state() == ConnectionState::Connected) {
        tellLine(&LineListener::lineBusy);
    }
}

void EncoderLink::pacingTick() {
    const bool wasFilling = transfer_.isFilling();
    transfer_.pacingTick();
    if (!wasFilling || transfer_.isFilling() || state() != ConnectionState::Connected) {
        return;
    }
    if (settings::readFlag(settings_, settings::kVerifyAfterFill) && !verification_) {
        verificationDue_ = true;
        verificationTimer_.start(kVerificationAfterFill);
    }
    tellLine(&LineListener::lineFree);
}

void EncoderLink::startVerification() {
    verificationDue_ = false;
    verification_.emplace(document_.programmeServiceSet(), document_.radiotextSet(),
                          settings::readDecoderValues(settings_));
    transfer_.startReadOut();
    verificationTimer_.start(kVerificationLimit);
}

void EncoderLink::verificationTimeout() {
    verificationTimer_.stop();
    if (verificationDue_) {
        startVerification();
    } else if (verification_) {
        finishVerification();
    }
}

// The result window comes last, as it may bring more input with it.
void EncoderLink::finishVerification() {
    verificationTimer_.stop();
    transfer_.finishReadOut();
    const Verification result = std::move(*verification_);
    verification_.reset();
    verificationView_.showVerification(result);
}

void EncoderLink::tellLine(void (LineListener::*change)()) {
    if (lineListener_ != nullptr) {
        (lineListener_->*change)();
    }
}

// The answers to the read request of a cancelled verification that are still
// on their way count for the read-out.
void EncoderLink::startReadOut() {
    cancelVerification(kVerificationCancelledByReadOut);
    transfer_.startReadOut();
}

void EncoderLink::cancelVerification(std::string_view message) {
    if (!verification_ && !verificationDue_) {
        return;
    }
    verificationTimer_.stop();
    verification_.reset();
    verificationDue_ = false;
    verificationView_.showVerificationCancelled(message);
}

void EncoderLink::progressClosedByUser() {
    transfer_.progressClosedByUser();
}

void EncoderLink::closePortWithoutNotice() {
    if (line_.isOpen() || state() != ConnectionState::Disconnected) {
        connection_.close();
    }
}

void EncoderLink::sendPiCode(std::uint16_t piCode) {
    if (line_.isOpen()) {
        line_.write(piFrame(piCode));
    }
}

void EncoderLink::takeMessage(std::string_view message) {
    switch (kindOf(message)) {
    case MessageKind::Identification:
        takeIdentification(message);
        break;
    case MessageKind::SignOff:
        takeSignOff();
        break;
    case MessageKind::ProgrammeServiceEntry:
        takeEntry(station::SetKind::ProgrammeService, message);
        break;
    case MessageKind::RadiotextEntry:
        takeEntry(station::SetKind::Radiotext, message);
        break;
    case MessageKind::Decoder:
        takeDecoder(message);
        break;
    case MessageKind::Other:
        break;
    }
}

// The modal windows below come last: more input may be handled while they are up.

void EncoderLink::takeIdentification(std::string_view message) {
    identity_ = identityFrom(message);
    const bool wasConnecting = state() == ConnectionState::Connecting;
    connection_.confirm();
    if (wasConnecting && state() == ConnectionState::Connected) {
        tellLine(&LineListener::lineFree);
    }
    const HardwareIdentity announced = identity_;
    view_.beep();
    view_.showHardware(kSignOnCaption, announced);
}

void EncoderLink::takeSignOff() {
    connection_.close();
    std::optional<HardwareIdentity> known;
    if (!identity_.name.empty()) {
        known = identity_;
    }
    view_.beep();
    view_.showHardware(kSignOffCaption, known);
}

void EncoderLink::takeEntry(station::SetKind kind, std::string_view message) {
    if (verification_) {
        verification_->take(message);
        received_.storeEntry(kind, message);
        transfer_.advanceReadOut();
        return;
    }
    if (received_.takeEntry(kind, message)) {
        transfer_.advanceReadOut();
    }
}

void EncoderLink::takeDecoder(std::string_view message) {
    if (verification_) {
        verification_->take(message);
        finishVerification();
        return;
    }
    switch (received_.takeDecoder(message)) {
    case ReceivedSettings::DecoderOutcome::Written:
        transfer_.finishReadOut();
        break;
    case ReceivedSettings::DecoderOutcome::IntervalOutOfRange:
        break;
    case ReceivedSettings::DecoderOutcome::NotSaved: {
        transfer_.finishReadOut();
        const std::string text =
            std::string(platform::kSettingsNotSavedMessage) + received_.failureReason();
        view_.beep();
        view_.showWarning(text);
        break;
    }
    }
}

} // namespace velmora::link
