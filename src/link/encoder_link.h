#pragma once

#include "link/connection.h"
#include "link/line_listener.h"
#include "link/link_view.h"
#include "link/receive.h"
#include "link/received_settings.h"
#include "link/transfer.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "station/document.h"

#include <cstdint>
#include <string_view>

namespace velmora::link {

inline constexpr std::string_view kSignOnCaption = "De volgende hardware meld zich aan";
inline constexpr std::string_view kSignOffCaption = "De volgende hardware meld zich af";

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
                station::Document& document, LinkView& view);
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
    void startReadOut();
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
    void tellLine(void (LineListener::*change)());
    void takeMessage(std::string_view message);
    void takeIdentification(std::string_view message);
    void takeSignOff();
    void takeEntry(station::SetKind kind, std::string_view message);
    void takeDecoder(std::string_view message);

    platform::SerialLine& line_;
    platform::Timer& supervisionTimer_;
    platform::Timer& pacingTimer_;
    LinkView& view_;
    Transfer transfer_;
    ReceivedSettings received_;
    ReceiveMachine receiver_;
    Connection connection_;
    HardwareIdentity identity_;
    LineListener* lineListener_ = nullptr;
};

} // namespace velmora::link
