#pragma once

#include "link/frame_outlet.h"
#include "link/session_view.h"
#include "link/wire_protocol.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "station/document.h"

#include <chrono>
#include <string>
#include <vector>

namespace velmora::link {

// One frame of a fill goes out per tick; this pacing is the only flow control
// towards the encoder.
inline constexpr std::chrono::milliseconds kPacingInterval{50};
// The progress bar runs from 0 to this value.
inline constexpr int kLastProgress = 15;

// What a fill puts in the encoder: both sets and the four decoder values.
struct FillContent {
    std::string programmeService;
    std::string radiotext;
    DecoderValues decoder;
};
// The document's sets and the decoder values as they stand now.
FillContent fillContentOf(const station::Document& document,
                          const platform::SettingsStore& settings);

// The two transfers between the document and the encoder, and the progress
// window they share.
//
// A fill sends the ten PS frames, the five RT frames and the decoder frame,
// one per pacing tick, the first one tick after the start. A read-out sends
// the read request; the answers come in through the receive path, which
// advances and finishes it here. Starting either one restarts a fill under
// way from its first frame. The fill's decoder frame closes the progress
// window, and so does the decoder information of a read-out, even while the
// other transfer still runs.
class Transfer {
public:
    Transfer(FrameOutlet& outlet, platform::Timer& pacingTimer, SessionView& view);

    void startFill(const FillContent& content);
    void startReadOut();
    void pacingTick();
    bool isFilling() const { return filling_; }

    // A PS or RT entry of a read-out arrived.
    void advanceReadOut();
    // The decoder information arrived: the read-out is complete.
    void finishReadOut();
    // The user closed the progress window. A fill goes on without it, so that
    // the encoder never keeps half of the settings; a read-out is no longer
    // shown, though its answers are still taken when they come.
    void progressClosedByUser();
    // The port closed: nothing more can go out or come in.
    void abandon();

private:
    void openProgress();
    void showProgress(int value);
    void closeProgress();

    FrameOutlet& outlet_;
    platform::Timer& pacingTimer_;
    SessionView& view_;
    std::vector<std::string> sendTable_;
    std::size_t sendPosition_ = 0;
    int progress_ = 0;
    bool filling_ = false;
    bool progressShown_ = false;
};

} // namespace velmora::link
