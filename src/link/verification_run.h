#pragma once

#include "link/session_events.h"
#include "link/transfer.h"
#include "link/verification.h"
#include "link/verification_view.h"
#include "platform/timer.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

namespace velmora::link {

// A verification that has not had the decoder information by then ends.
inline constexpr std::chrono::seconds kVerificationLimit{5};
// A verification that follows a fill starts this long after its decoder frame.
inline constexpr std::chrono::seconds kVerificationAfterFill{1};

inline constexpr std::string_view kVerificationCancelledByFill =
    "De controle is afgebroken: de encoder wordt gevuld.";
inline constexpr std::string_view kVerificationCancelledByReadOut =
    "De controle is afgebroken: de encoder wordt uitgelezen.";

// "De encoder antwoordde niet binnen 5 seconden. Niet ontvangen: RT 5, Decoder."
std::string timeLimitReport(const Verification& result);

// One verification of the encoder at a time: it sends the read request
// through the transfer, whose progress it shares, compares the answers with
// what the fill sends, and ends with the decoder information or after the
// time limit. One can also wait for the second after a fill. Its start and
// end are told as session events.
class VerificationRun {
public:
    using Tell = std::function<void(const SessionEvent&)>;

    VerificationRun(Transfer& transfer, platform::Timer& timer, VerificationView& view, Tell tell);
    ~VerificationRun();
    VerificationRun(const VerificationRun&) = delete;
    VerificationRun& operator=(const VerificationRun&) = delete;

    void start(const FillContent& expected, Origin origin);
    // Starts a second from now, unless one runs.
    void startAfterFill(const FillContent& expected, Origin origin);
    // While one runs, the answers to its read request go to it.
    bool isRunning() const { return running_.has_value(); }
    bool isWaiting() const { return waiting_.has_value(); }
    void take(const EntryAnswer& entry);
    // The decoder information ends it with its result.
    void take(const DecoderAnswer& decoder);
    // The user's own transfer goes first; the view is told why.
    void cancel(std::string_view message);
    // The port closed: it ends without a result.
    void stop();

private:
    void timeUp();
    void finish();
    void end(TransferEnd end, std::string detail);

    Transfer& transfer_;
    platform::Timer& timer_;
    VerificationView& view_;
    Tell tell_;
    std::optional<Verification> running_;
    std::optional<FillContent> waiting_;
    Origin origin_ = Origin::User;
};

} // namespace velmora::link
