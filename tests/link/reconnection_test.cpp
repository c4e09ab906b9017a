#include "fakes/encoder_frames.h"
#include "fakes/recording_session_listener.h"
#include "fakes/session_on_fakes.h"

#include <gtest/gtest.h>
#include <vector>

namespace velmora::link {
namespace {

using OpenResult = platform::SerialLine::OpenResult;

// A session that reconnects, connected, whose line then vanishes.
struct LostConnection {
    explicit LostConnection(bool reconnects) {
        encoder.reconnects = reconnects;
        encoder.session.addListener(listener);
        encoder.session.toggleConnection();
        encoder.line.receive(fakes::kIdentificationFrame);
        encoder.line.vanish();
    }
    std::size_t waits() const { return listener.all<ReconnectionWaits>().size(); }

    fakes::SessionOnFakes encoder;
    fakes::RecordingSessionListener listener;
};

// Each attempt that fails waits longer: 2, 4, 8, 16, 32 s, then a minute,
// counted down one second at a time, without a message.
TEST(Reconnection, WaitsLongerAfterEachFailedAttempt) {
    const std::vector<int> secondsBeforeAttempt{2, 4, 8, 16, 32, 60, 60, 60};
    LostConnection lost(true);
    lost.encoder.line.nextOpenResult = OpenResult::NoSuchPort;

    std::vector<int> ticksBeforeAttempt;
    int ticks = 0;
    while (lost.waits() <= secondsBeforeAttempt.size()) {
        const std::size_t waitsBefore = lost.waits();
        ASSERT_TRUE(lost.encoder.reconnection.fire());
        ++ticks;
        if (lost.waits() > waitsBefore) {
            ticksBeforeAttempt.push_back(std::exchange(ticks, 0));
        }
    }

    EXPECT_EQ(ticksBeforeAttempt, secondsBeforeAttempt);
    const auto waits = lost.listener.all<ReconnectionWaits>();
    for (std::size_t attempt = 0; attempt < secondsBeforeAttempt.size(); ++attempt) {
        EXPECT_EQ(waits[attempt].wait,
                  (ReconnectWait{static_cast<int>(attempt) + 1, secondsBeforeAttempt[attempt]}));
    }
    EXPECT_EQ(reconnectText(waits[2].wait), "Opnieuw verbinden over 8 s (poging 3)");
    EXPECT_EQ(lost.listener.all<Disconnected>().back().cause, ClosingCause::Refused);
    EXPECT_TRUE(lost.encoder.view.warnings.empty());
}

// An attempt that gets through ends in Connected and in the log alone; with
// reconnection off the loss is reported as always and nothing follows.
TEST(Reconnection, EndsQuietlyWhenTheEncoderAnswers) {
    LostConnection lost(true);
    while (lost.encoder.session.state() == ConnectionState::Disconnected) {
        ASSERT_TRUE(lost.encoder.reconnection.fire());
    }
    lost.encoder.line.receive(fakes::kIdentificationFrame);

    EXPECT_EQ(lost.encoder.session.state(), ConnectionState::Connected);
    EXPECT_EQ(lost.listener.all<Connected>().size(), 2U);
    EXPECT_EQ(lost.encoder.view.hardware.size(), 1U); // the user's own connect
    EXPECT_TRUE(lost.encoder.view.warnings.empty());
    EXPECT_FALSE(lost.encoder.view.reconnection.back().has_value());
    EXPECT_FALSE(lost.encoder.reconnection.isRunning());

    LostConnection off(false);
    EXPECT_EQ(off.encoder.view.warnings.size(), 1U);
    EXPECT_EQ(off.waits(), 0U);
    EXPECT_FALSE(off.encoder.reconnection.isRunning());
}

// "Verbinding" during the wait connects at once, as the user's own connect.
TEST(Reconnection, UsersClickDuringTheWaitConnectsAtOnce) {
    LostConnection lost(true);
    lost.encoder.session.toggleConnection();
    lost.encoder.line.receive(fakes::kIdentificationFrame);

    EXPECT_EQ(lost.encoder.session.state(), ConnectionState::Connected);
    EXPECT_EQ(lost.encoder.view.hardware.size(), 2U);
    EXPECT_FALSE(lost.encoder.reconnection.isRunning());
    EXPECT_EQ(lost.waits(), 1U);
}

} // namespace
} // namespace velmora::link
