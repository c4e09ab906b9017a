#pragma once

#include "link/connection.h"
#include "link/line_listener.h"
#include "link/link_view.h"
#include "link/receive.h"
#include "link/received_settings.h"
#include "link/transfer.h"
#include "link/verification.h"
#include "link/verification_view.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "station/document.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::link {

inline constexpr std::string_view kSignOnCaption = "De volgende hardware meld zich aan";
inline constexpr std::string_view kSignOffCaption = "De volgende hardware meld zich af";

// A verification that has not had the decoder information by then ends.
inline constexpr std::chrono::seconds kVerificationLimit{5};
// "Na elk vullen controleren": a verification starts this long after a fill's
// decoder frame when settings::kVerifyAfterFill is on.
inline constexpr std::chrono::seconds kVerificationAfterFill{1};
inline constexpr std::string_view kVerificationCancelledByFill =
    "De controle is afgebroken: de encoder wordt gevuld.";
inline constexpr std::string_view kVerificationCancelledByReadOut =
    "De controle is afgebroken: de encoder wordt uitgelezen.";

// Everything on the serial line to the encoder: the connection, the receive
// path and what each message does, the transfers and the PI frame. It takes
// over the handlers of the line and of both timers for as long as it lives.
//
// The main window shows displayOf(state()) when it loads and then follows the
// view calls.
class EncoderLink {
public:
    EncoderLink(platform::SerialLine& line, platform::Timer& supervisionTimer,
                platform::Timer& pacingTimer, platform::SettingsStore& settings,
                station::Document& document, LinkView& view, platform::Timer& verificationTimer,
                VerificationView& verificationView);
    ~EncoderLink();
    EncoderLink(const EncoderLink&) = delete;
    EncoderLink& operator=(const EncoderLink&) = delete;

    ConnectionState state() const { return connection_.state(); }
    bool isPortOpen() const { return line_.isOpen(); }
    // The last identity the encoder announced in this run.
    const HardwareIdentity& hardwareIdentity() const { return identity_; }

    // The toolbar's "Verbinding".
    void toggleConnection();
    // "Versturen" and "Velmora &vullen".
    void startFill();
    // "Inladen" and "Velmora &uitlezen"; the toolbar closes its windows first.
    // Both transfers cancel a verification that runs or waits.
    void startReadOut();
    // "Velmora &controleren": reads the encoder and compares what it holds
    // with what a fill would send, leaving the document, its flags and the
    // decoder settings as they are.
    void startVerification();
    // The progress window was closed with its close box.
    void progressClosedByUser();
    // On exit: closes the port without the disconnect request and without a
    // message. The display follows, in case the exit is then cancelled.
    void closePortWithoutNotice();
    // The PI editor's "Verzend": writes nothing once the port has closed.
    void sendPiCode(std::uint16_t piCode);
    // One listener at most; nullptr for none.
    void setLineListener(LineListener* listener) { lineListener_ = listener; }

private:
    void pacingTick();
    void verificationTimeout();
    void finishVerification();
    // The user's own transfer goes first.
    void cancelVerification(std::string_view message);
    void tellLine(void (LineListener::*change)());
    void takeMessage(std::string_view message);
    void takeIdentification(std::string_view message);
    void takeSignOff();
    void takeEntry(station::SetKind kind, std::string_view message);
    void takeDecoder(std::string_view message);

    platform::SerialLine& line_;
    platform::Timer& supervisionTimer_;
    platform::Timer& pacingTimer_;
    platform::Timer& verificationTimer_;
    const platform::SettingsStore& settings_;
    const station::Document& document_;
    LinkView& view_;
    VerificationView& verificationView_;
    Transfer transfer_;
    ReceivedSettings received_;
    ReceiveMachine receiver_;
    Connection connection_;
    HardwareIdentity identity_;
    LineListener* lineListener_ = nullptr;
    // While a verification runs, the answers to its read request go here.
    std::optional<Verification> verification_;
    // A verification after a fill is waiting for its second to pass.
    bool verificationDue_ = false;
};

} // namespace velmora::link
