#pragma once

#include "link/connection.h"
#include "link/frame_outlet.h"
#include "link/live_radiotext.h"
#include "link/receive.h"
#include "link/received_settings.h"
#include "link/reconnection.h"
#include "link/session_events.h"
#include "link/session_view.h"
#include "link/transfer.h"
#include "link/verification_run.h"
#include "link/verification_view.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "platform/watched_file.h"
#include "station/document.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::link {

inline constexpr std::string_view kSignOnCaption = "De volgende hardware meld zich aan";
inline constexpr std::string_view kSignOffCaption = "De volgende hardware meld zich af";

// The timers of one session, each used by one part of it.
struct SessionTimers {
    platform::Timer& supervision;  // the 2000 ms time limit on the encoder's answers
    platform::Timer& pacing;       // one fill frame each 50 ms
    platform::Timer& verification; // the second after a fill, the five-second limit
};

// Where the answers of a read-out go: the document's sets and the "Decoder" keys.
struct ReadOutTarget {
    station::Document& document;
    platform::SettingsStore& settings;
};

// What a live radiotext needs beside the line: its own timer, the file it
// follows and its settings.
struct LiveParts {
    platform::Timer& timer;
    platform::WatchedFile& file;
    const platform::SettingsStore& settings;
    LiveRadiotext::Clock clock = &std::chrono::system_clock::now;
};

// Automatic reconnection after a lost connection: the timer of its countdown,
// and whether it is on, read at each loss.
struct ReconnectParts {
    platform::Timer& timer;
    std::function<bool()> isOn;
};

// Everything one session is built from.
struct SessionParts {
    platform::SerialLine& line;
    SessionTimers timers;
    SessionView& view;
    VerificationView& verificationView;
    // The number of the port to open at each connect, from the number in force.
    std::function<int(int numberInForce)> portToOpen;
    // Read at the end of each fill: whether a verification follows it.
    std::function<bool()> verifiesAfterFill = [] { return false; };
    // Without one, answers to a read request change nothing but a verification.
    std::optional<ReadOutTarget> readOut = std::nullopt;
    // Without them, the session sends no live radiotext.
    std::optional<LiveParts> live = std::nullopt;
    // Without them, a lost connection stays lost until the user connects.
    std::optional<ReconnectParts> reconnect = std::nullopt;
};

// Everything about one encoder on one line: the connection, the transfers
// (fill, read-out, verification), the PI frame and the live radiotext. Every
// frame leaves through the session's one outlet, and each message from the
// encoder is decoded once and handed to the part that wants it. It takes over
// the handlers of its line and timers for as long as it lives.
class EncoderSession {
public:
    explicit EncoderSession(SessionParts parts);
    ~EncoderSession();
    EncoderSession(const EncoderSession&) = delete;
    EncoderSession& operator=(const EncoderSession&) = delete;

    ConnectionState state() const { return connection_.state(); }
    bool isPortOpen() const { return outlet_.isPortOpen(); }
    // The number of the port the session holds open, if it does.
    std::optional<int> heldPort() const {
        return line_.isOpen() ? std::optional(connection_.portNumber()) : std::nullopt;
    }
    // A fill, a read-out or a verification runs or waits.
    bool isBusy() const;
    // Told of every event, in the order they were added; not owned.
    void addListener(SessionListener& listener) { listeners_.push_back(&listener); }

    // "Verbinding". It ends automatic reconnection: a click while waiting
    // connects at once.
    void toggleConnection();
    // "Versturen": the sixteen paced frames of this content. A verification
    // that runs or waits gives way.
    void startFill(const FillContent& content, Origin origin = Origin::User);
    // "Inladen": the read request; the answers go to the read-out target. A
    // verification that runs or waits gives way.
    void startReadOut(Origin origin = Origin::User);
    // "Velmora &controleren": reads the encoder and compares what it holds
    // with this content, leaving the read-out target as it is.
    void startVerification(const FillContent& expected, Origin origin = Origin::User);
    // The progress window was closed with its close box.
    void progressClosedByUser();
    // On exit: closes the port without the disconnect request and without a
    // message. The display follows, in case the exit is then cancelled.
    void closePortWithoutNotice();
    // The PI editor's "Verzend": writes nothing once the port has closed.
    void sendPiCode(std::uint16_t piCode);
    // nullptr for a session without one.
    LiveRadiotext* liveRadiotext() { return live_ ? &*live_ : nullptr; }

private:
    void connectionChanged(ConnectionState state);
    void connectionClosed(ClosingCause cause, std::string_view message);
    void followReconnection(ClosingCause cause);
    bool reconnectsAfterLoss() const;
    void tell(const SessionEvent& event);
    void endFill(TransferEnd end);
    void endReadOut(TransferEnd end, std::string detail = {});
    void followLineUse();
    void pacingTick();
    void take(std::string_view message);
    void take(const Identification& identification);
    void take(const SignOff& signOff);
    void take(const EntryAnswer& entry);
    void take(const DecoderAnswer& decoder);

    platform::SerialLine& line_;
    SessionTimers timers_;
    SessionView& view_;
    std::function<bool()> verifiesAfterFill_;
    std::vector<SessionListener*> listeners_;
    FrameOutlet outlet_;
    Transfer transfer_;
    VerificationRun verification_;
    std::optional<ReceivedSettings> received_;
    ReceiveMachine receiver_;
    Connection connection_;
    std::optional<LiveRadiotext> live_;
    std::function<bool()> reconnectionIsOn_;
    std::optional<Reconnection> reconnection_;
    // The last identity the encoder announced, shown again when it signs off.
    HardwareIdentity identity_;
    // What the fill under way sends, for the verification that may follow it,
    // and who asked for it.
    FillContent filling_;
    Origin fillOrigin_ = Origin::User;
    // Who asked for the read-out that awaits its decoder information.
    std::optional<Origin> readingOut_;
};

} // namespace velmora::link
