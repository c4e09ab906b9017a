#include "fakes/settings_builders.h"
#include "link_fixture.h"

#include <string>

namespace velmora::link {
namespace {

using namespace std::chrono_literals;
using station::SetKind;

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// A verification through the encoder link, with the encoder played by the test.
class EncoderVerificationTest : public LinkFixture {
protected:
    void SetUp() override {
        for (int entry = 0; entry < 10; ++entry) {
            psSet += padded("NAAM " + std::to_string(entry), 8) + "1\r\n";
        }
        for (int entry = 0; entry < 5; ++entry) {
            rtSet += padded("Tekst " + std::to_string(entry), 64) + "0\r\n";
        }
        document.replaceSet(SetKind::ProgrammeService, psSet);
        document.replaceSet(SetKind::Radiotext, rtSet);
        document.setModified(false);
        ASSERT_TRUE(fakes::withDecoder(settings, {.programmeType = "10",
                                                  .frequencyCode = "5",
                                                  .psIntervalPosition = "1",
                                                  .psIntervalSeconds = "4",
                                                  .rtIntervalPosition = "5",
                                                  .rtIntervalSeconds = "30"})
                        .ok());
        connect();
    }

    // The encoder's answers to the read request: the document's entries, the
    // first `count` of them, PS entry 3 with another flag.
    void answer(int count = 16) {
        for (int entry = 0; entry < 10 && count > 0; ++entry, --count) {
            const std::string payload = psSet.substr(static_cast<std::size_t>(entry) * 11, 9);
            line.receive("^B^P" + std::to_string(entry) +
                         (entry == 3 ? payload.substr(0, 8) + "0" : payload) + "^E");
        }
        for (int entry = 0; entry < 5 && count > 0; ++entry, --count) {
            line.receive("^B^R" + std::to_string(entry) +
                         rtSet.substr(static_cast<std::size_t>(entry) * 67, 65) + "^E");
        }
        if (count > 0) {
            line.receive("^B^D10005004030^E");
        }
    }

    std::string psSet;
    std::string rtSet;
};

TEST_F(EncoderVerificationTest, ComparesWithoutTouchingTheDocumentOrTheDecoderKeys) {
    verify();
    EXPECT_EQ(line.writes(), std::vector<std::string>{std::string(kReadRequest)});
    EXPECT_TRUE(view.progressOpen);

    answer();

    ASSERT_EQ(verificationView.results.size(), 1u);
    const Verification& result = verificationView.results.front();
    EXPECT_TRUE(result.decoderReceived());
    EXPECT_EQ(result.differences(), 1);
    EXPECT_TRUE(result.items()[3].differs());
    EXPECT_FALSE(view.progressOpen);
    EXPECT_FALSE(verificationTimer.isRunning());
    EXPECT_EQ(document.programmeServiceSet(), psSet);
    EXPECT_EQ(document.radiotextSet(), rtSet);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(settings::read(settings, settings::kPsIntervalPosition), "1");
    EXPECT_EQ(settings::read(settings, settings::kRtIntervalSeconds), "30");

    // A read-out afterwards takes the answers into the document again.
    session.startReadOut();
    answer();
    EXPECT_EQ(verificationView.results.size(), 1u);
    EXPECT_TRUE(document.isModified());
}

TEST_F(EncoderVerificationTest, TimeLimitEndsItNamingWhatDidNotCome) {
    verify();
    EXPECT_EQ(verificationTimer.interval(), 5000ms);
    answer(3);
    EXPECT_TRUE(verificationView.results.empty());

    verificationTimer.fire();

    ASSERT_EQ(verificationView.results.size(), 1u);
    const Verification& result = verificationView.results.front();
    EXPECT_FALSE(result.decoderReceived());
    EXPECT_EQ(result.missing().size(), 13u);
    EXPECT_EQ(result.missing().front(), "PS 4");
    EXPECT_FALSE(view.progressOpen);
    EXPECT_FALSE(verificationTimer.isRunning());
    EXPECT_FALSE(document.isModified());
}

TEST_F(EncoderVerificationTest, FollowsEveryFillASecondLaterWhenWanted) {
    fill();
    while (pacing.fire()) {
    }
    EXPECT_FALSE(verificationTimer.isRunning());

    ASSERT_TRUE(settings::writeFlag(settings, settings::kVerifyAfterFill, true).ok());
    fill();
    while (pacing.fire()) {
    }
    line.clearWrites();
    ASSERT_TRUE(verificationTimer.isRunning());
    EXPECT_EQ(verificationTimer.interval(), 1000ms);

    verificationTimer.fire();
    EXPECT_EQ(line.writes(), std::vector<std::string>{std::string(kReadRequest)});
    answer();
    EXPECT_EQ(verificationView.results.size(), 1u);
}

TEST_F(EncoderVerificationTest, FillStartedInTheSecondBeforeIsNotInterrupted) {
    ASSERT_TRUE(settings::writeFlag(settings, settings::kVerifyAfterFill, true).ok());
    fill();
    while (pacing.fire()) {
    }

    fill();
    EXPECT_FALSE(verificationTimer.isRunning());
    EXPECT_EQ(verificationView.cancellations,
              std::vector<std::string>{std::string(kVerificationCancelledByFill)});
    pacing.fire();
    EXPECT_NE(line.writes().back(), kReadRequest);
}

// The answers the verification had keep their place in the received tables,
// so the read-out rebuilds the sets from them as from any earlier answer.
TEST_F(EncoderVerificationTest, ReadOutCancelsItAndTakesEveryAnswer) {
    verify();
    answer(4);
    session.startReadOut();
    EXPECT_EQ(verificationView.cancellations,
              std::vector<std::string>{std::string(kVerificationCancelledByReadOut)});
    EXPECT_FALSE(verificationTimer.isRunning());

    line.receive("^B^P0" + psSet.substr(0, 9) + "^E");
    EXPECT_TRUE(view.progressOpen);
    line.receive("^B^D07005004030^E");

    EXPECT_FALSE(view.progressOpen);
    EXPECT_TRUE(verificationView.results.empty());
    EXPECT_EQ(document.programmeServiceSet().substr(0, 44),
              psSet.substr(0, 33) + psSet.substr(33, 8) + "0\r\n");
    EXPECT_EQ(settings::read(settings, settings::kProgrammeType), "7");
}

TEST_F(EncoderVerificationTest, PortClosingEndsItWithoutAResult) {
    verify();
    answer(5);
    line.vanish();

    EXPECT_FALSE(verificationTimer.isRunning());
    EXPECT_TRUE(verificationView.results.empty());
    // Answers of a later read-out go to the document again.
    connect();
    session.startReadOut();
    answer();
    EXPECT_TRUE(document.isModified());
}

} // namespace
} // namespace velmora::link
