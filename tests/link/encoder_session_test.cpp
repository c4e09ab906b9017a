#include "fakes/encoder_frames.h"
#include "fakes/recording_session_listener.h"
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

// Everything that reaches the encoder is told, with who asked and how it ended.
TEST(EncoderSession, TellsItsListenersWhatHappens) {
    fakes::SessionOnFakes encoder;
    fakes::RecordingSessionListener listener;
    encoder.session.addListener(listener);

    encoder.session.toggleConnection();
    encoder.line.receive(fakes::kIdentificationFrame);
    encoder.session.startFill(FillContent{}, Origin::Planning);
    encoder.pacing.fire();
    encoder.session.startFill(FillContent{});
    EXPECT_TRUE(encoder.session.isBusy());
    while (encoder.pacing.fire()) {
    }
    EXPECT_FALSE(encoder.session.isBusy());
    encoder.session.sendPiCode(4660);
    encoder.session.startReadOut();
    encoder.line.vanish();

    ASSERT_EQ(listener.all<Connected>().size(), 1U);
    EXPECT_EQ(listener.all<Connected>()[0].identity.name, "RX-UNIT1");
    const std::vector<TransferEnded> ended = listener.all<TransferEnded>();
    ASSERT_EQ(ended.size(), 3U);
    EXPECT_EQ(ended[0].origin, Origin::Planning);
    EXPECT_EQ(ended[0].end, TransferEnd::Replaced);
    EXPECT_EQ(ended[1].origin, Origin::User);
    EXPECT_EQ(ended[1].end, TransferEnd::Completed);
    EXPECT_EQ(ended[2].kind, TransferKind::ReadOut);
    EXPECT_EQ(ended[2].end, TransferEnd::BrokenOff);
    EXPECT_EQ(listener.all<PiCodeSent>().size(), 1U);
    ASSERT_EQ(listener.all<Disconnected>().size(), 1U);
    EXPECT_EQ(listener.all<Disconnected>()[0].cause, ClosingCause::Lost);
    EXPECT_EQ(listener.all<Disconnected>()[0].message,
              "De poort is niet meer aanwezig; de verbinding met de Encoder is verbroken");
}

} // namespace
} // namespace velmora::link
