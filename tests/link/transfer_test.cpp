#include "link_fixture.h"
#include "settings/settings_schema.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using station::SetKind;

class TransferTest : public LinkFixture {
protected:
    void SetUp() override {
        connect();
        document.setModified(false);
    }

    void setDecoder(const settings::Key& key, std::string_view value) {
        ASSERT_TRUE(settings::write(settings, key, value).ok());
    }

    int tickUntilIdle() {
        int ticks = 0;
        while (pacing.fire()) {
            ++ticks;
        }
        return ticks;
    }

    std::string decoderKey(const settings::Key& key) const { return settings::read(settings, key); }

    static std::string entry(char kind, int number, std::string_view payload) {
        return "^B^" + std::string(1, kind) + std::to_string(number) + std::string(payload) + "^E";
    }
};

TEST_F(TransferTest, FillSendsSixteenPacedFramesInOrder) {
    document.replaceSet(SetKind::ProgrammeService,
                        station::compose({{"RADIO 1", true}, {}, {"DRIE", false}},
                                         station::kProgrammeServiceLayout));
    document.replaceSet(SetKind::Radiotext,
                        station::compose({{"Goedemorgen", true}}, station::kRadiotextLayout));
    setDecoder(settings::kProgrammeType, "10");
    setDecoder(settings::kFrequency, "5");
    setDecoder(settings::kPsIntervalSeconds, "4");
    setDecoder(settings::kRtIntervalSeconds, "30");

    fill();
    EXPECT_TRUE(line.writes().empty()) << "the first frame waits for the first tick";
    EXPECT_EQ(pacing.interval(), std::chrono::milliseconds{50});
    // Changes made during the fill are not sent.
    setDecoder(settings::kProgrammeType, "11");
    EXPECT_EQ(tickUntilIdle(), 16);

    const std::vector<std::string>& frames = line.writes();
    ASSERT_EQ(frames.size(), 16U);
    EXPECT_EQ(frames[0], "^B^P0RADIO 1 1^E");
    EXPECT_EQ(frames[2], "^B^P2DRIE    0^E");
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(frames[static_cast<std::size_t>(k)].substr(0, 5), entry('P', k, "").substr(0, 5));
    }
    EXPECT_EQ(frames[10], "^B^R0Goedemorgen" + std::string(53, ' ') + "1^E");
    EXPECT_EQ(frames[14], entry('R', 4, std::string(64, ' ') + "0"));
    EXPECT_EQ(frames[15], "^B^D10005004030^E");

    EXPECT_EQ(view.progress,
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_FALSE(view.progressOpen);
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(TransferTest, FillOfAnEmptyDocumentSendsBareFrames) {
    fill();
    tickUntilIdle();
    ASSERT_EQ(line.writes().size(), 16U);
    EXPECT_EQ(line.writes()[9], "^B^P9^E");
    EXPECT_EQ(line.writes()[14], "^B^R4^E");
    EXPECT_EQ(line.writes()[15], "^B^D00000000000^E");
}

TEST_F(TransferTest, SecondStartRestartsTheFill) {
    fill();
    pacing.fire();
    pacing.fire();
    session.startReadOut();
    fill();
    EXPECT_EQ(tickUntilIdle(), 16);
    EXPECT_EQ(line.writes()[2], kReadRequest);
    EXPECT_EQ(line.writes()[3], entry('P', 0, ""));
    EXPECT_EQ(view.progressOpenings, 1);
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(view.progressOpen) << "the decoder frame closes it, though the read-out waits";
}

TEST_F(TransferTest, DecoderInformationOfAReadOutClosesTheWindowOfAFillUnderWay) {
    fill();
    pacing.fire();
    session.startReadOut();
    line.receive("^B^D10005010030^E");
    EXPECT_FALSE(view.progressOpen);
    EXPECT_EQ(view.busyChanges, std::vector<bool>{true}) << "the fill goes on, busy";

    EXPECT_EQ(tickUntilIdle(), 16);
    EXPECT_EQ(view.progressOpenings, 1) << "the fill's own progress is no longer shown";
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(TransferTest, ReadOutReplacesBothSetsAndTheDecoderKeys) {
    session.startReadOut();
    EXPECT_EQ(line.written(), kReadRequest);
    std::string answer;
    for (int k = 0; k < 10; ++k) {
        answer += entry('P', k, "NAAM " + std::to_string(k) + "  1");
    }
    for (int k = 0; k < 5; ++k) {
        answer += entry('R', k, std::string(64, 'a' + static_cast<char>(k)) + "0");
    }
    line.receive(answer + "^B^D10005010030^E");

    const std::string& ps = document.programmeServiceSet();
    EXPECT_EQ(ps.size(), 110U);
    EXPECT_EQ(ps.substr(33, 11), "NAAM 3  1\r\n");
    EXPECT_EQ(document.radiotextSet().substr(67 * 4, 67), std::string(64, 'e') + "0\r\n");
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(decoderKey(settings::kProgrammeType), "10");
    EXPECT_EQ(decoderKey(settings::kFrequency), "5");
    EXPECT_EQ(decoderKey(settings::kPsIntervalPosition), "7");
    EXPECT_EQ(decoderKey(settings::kPsIntervalSeconds), "10");
    EXPECT_EQ(decoderKey(settings::kRtIntervalPosition), "5");
    EXPECT_EQ(decoderKey(settings::kRtIntervalSeconds), "30");
    EXPECT_EQ(view.progress.back(), 15);
    EXPECT_EQ(view.progress.size(), 16U) << "the bar stops at 15";
    EXPECT_FALSE(view.progressOpen);
}

TEST_F(TransferTest, EntriesNotSentKeepWhatEarlierMessagesGave) {
    line.receive(entry('P', 3, "EERDER  1"));
    line.receive(entry('P', 0, "NUL     1") + entry('P', 4, "VIER    0") + entry('R', 7, "x"));
    EXPECT_EQ(document.programmeServiceSet(),
              "NUL     1\r\n\r\n\r\nEERDER  1\r\nVIER    0\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(document.radiotextSet(), "") << "RT entry 7 changes nothing";
}

TEST_F(TransferTest, OutOfRangeIntervalStopsTheDecoderMessage) {
    setDecoder(settings::kPsIntervalSeconds, "20");
    session.startReadOut();
    line.receive("^B^D07100300030^E");
    EXPECT_EQ(decoderKey(settings::kProgrammeType), "7");
    EXPECT_EQ(decoderKey(settings::kFrequency), "100");
    EXPECT_EQ(decoderKey(settings::kPsIntervalSeconds), "20");
    EXPECT_FALSE(settings.has(settings::kRtIntervalSeconds));
    EXPECT_TRUE(view.progressOpen);

    line.receive("^B^D00000002025^E");
    EXPECT_EQ(decoderKey(settings::kPsIntervalPosition), "-1");
    EXPECT_EQ(decoderKey(settings::kRtIntervalPosition), "0");
    EXPECT_FALSE(view.progressOpen);
}

TEST_F(TransferTest, OutOfRangeTextIntervalStopsAfterThePsInterval) {
    setDecoder(settings::kRtIntervalSeconds, "40");
    setDecoder(settings::kRtIntervalPosition, "15");
    line.receive("^B^D03012010300^E");
    EXPECT_EQ(decoderKey(settings::kProgrammeType), "3");
    EXPECT_EQ(decoderKey(settings::kFrequency), "12");
    EXPECT_EQ(decoderKey(settings::kPsIntervalPosition), "7");
    EXPECT_EQ(decoderKey(settings::kPsIntervalSeconds), "10");
    EXPECT_EQ(decoderKey(settings::kRtIntervalPosition), "15");
    EXPECT_EQ(decoderKey(settings::kRtIntervalSeconds), "40");
}

TEST_F(TransferTest, MoreThanFifteenEntriesLeaveTheBarAtFifteen) {
    session.startReadOut();
    for (int k = 0; k < 17; ++k) {
        line.receive(entry('P', k % 10, "NAAM    1"));
    }
    EXPECT_EQ(view.progress.back(), 15);
    EXPECT_EQ(*std::max_element(view.progress.begin(), view.progress.end()), 15);
    EXPECT_TRUE(view.progressOpen);
}

TEST_F(TransferTest, UnsavedDecoderKeysAreReportedAfterTheProgressCloses) {
    session.startReadOut();
    settings.failSaves = true;
    line.receive("^B^D10005010030^E");
    ASSERT_EQ(view.warnings.size(), 1U);
    EXPECT_EQ(view.warnings[0].text, "De instellingen konden niet worden opgeslagen: Schijf vol");
    EXPECT_FALSE(view.warnings[0].progressOpen);
}

TEST_F(TransferTest, ReadOutWindowClosedByTheUserStillTakesTheAnswers) {
    session.startReadOut();
    view.closeProgress();
    session.progressClosedByUser();
    line.receive(entry('P', 1, "LAAT    1") + "^B^D00000010030^E");
    EXPECT_EQ(view.progress, std::vector<int>{0}) << "nothing is shown in a closed window";
    EXPECT_EQ(document.programmeServiceSet().substr(0, 13), "\r\nLAAT    1\r\n");
    session.startReadOut();
    EXPECT_EQ(view.progressOpenings, 2);
}

TEST_F(TransferTest, FillGoesOnWhenTheUserClosesItsWindow) {
    fill();
    pacing.fire();
    view.closeProgress();
    session.progressClosedByUser();
    EXPECT_EQ(tickUntilIdle(), 15);
    EXPECT_EQ(line.writes().size(), 16U);
    EXPECT_EQ(view.progress, (std::vector<int>{0, 1}));
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
}

TEST_F(TransferTest, ClosingThePortEndsAFill) {
    fill();
    pacing.fire();
    line.receive(kSignOffFrame);
    EXPECT_FALSE(pacing.isRunning());
    EXPECT_FALSE(view.progressOpen);
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(line.writes().size(), 1U);
}

TEST_F(TransferTest, TimeOutMessageIsReadableOverAProgressWindow) {
    session.startReadOut();
    session.toggleConnection();
    supervision.fire();
    ASSERT_EQ(view.warnings.size(), 1U);
    EXPECT_FALSE(view.warnings[0].progressOpen);
}

TEST_F(TransferTest, VanishingPortEndsAFillBeforeTheMessage) {
    fill();
    line.vanish();
    ASSERT_EQ(view.warnings.size(), 1U);
    EXPECT_FALSE(view.warnings[0].progressOpen);
    EXPECT_FALSE(pacing.isRunning());
    EXPECT_EQ(view.busyChanges, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace velmora::link
