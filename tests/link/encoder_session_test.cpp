#include "fakes/encoder_frames.h"
#include "fakes/session_on_fakes.h"

#include <gtest/gtest.h>

namespace velmora::link {
namespace {

// Two encoders at once: what happens on one line never reaches the other
// session, its line or its view.
TEST(EncoderSession, TwoSessionsOnTwoLinesDoNotSeeEachOther) {
    fakes::SessionOnFakes north(1);
    fakes::SessionOnFakes south(2);

    north.session.toggleConnection();
    north.line.receive(fakes::kIdentificationFrame);
    north.session.startFill(FillContent{});
    while (north.pacing.fire()) {
    }
    EXPECT_EQ(north.session.state(), ConnectionState::Connected);
    EXPECT_EQ(north.line.lastPortNumber(), 1);
    EXPECT_EQ(north.line.writes().size(), 1U + 16U);
    EXPECT_EQ(south.session.state(), ConnectionState::Disconnected);
    EXPECT_TRUE(south.line.writes().empty());
    EXPECT_TRUE(south.view.hardware.empty());
    EXPECT_TRUE(south.view.progress.empty());

    south.session.toggleConnection();
    south.line.receive(fakes::kIdentificationFrame);
    south.line.receive(fakes::kSignOffFrame);
    south.session.toggleConnection();
    south.supervision.fire();
    EXPECT_EQ(south.line.lastPortNumber(), 2);
    EXPECT_EQ(south.view.warnings.size(), 1U);
    EXPECT_EQ(north.session.state(), ConnectionState::Connected);
    EXPECT_EQ(north.view.hardware.size(), 1U);
    EXPECT_TRUE(north.view.warnings.empty());
}

} // namespace
} // namespace velmora::link
