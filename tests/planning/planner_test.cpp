#include "fakes/encoder_frames.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "fakes/session_on_fakes.h"
#include "planning/planner.h"
#include "settings/encoder_list.h"
#include "station/station_file.h"

#include <gtest/gtest.h>

namespace velmora::planning {
namespace {

using settings::PlanningEntry;

constexpr std::array<bool, 7> kEveryDay{true, true, true, true, true, true, true};

// A planning of two entries, 06:00 "ochtend" and 19:00 "avond", every day,
// filling a session on fakes; the clock stands on Monday 7 December 2026.
class PlannerTest : public testing::Test {
protected:
    void SetUp() override {
        files.put("/rds/ochtend.Rds", station::composeStationFile(set("OCHTEND"), ""));
        files.put("/rds/avond.Rds", station::composeStationFile(set("AVOND"), ""));
        ASSERT_TRUE(
            settings::writePlanningSettings(
                store, {.inUse = true,
                        .entries = {PlanningEntry{kEveryDay, 6, 0, "/rds/ochtend.Rds", true},
                                    PlanningEntry{kEveryDay, 19, 0, "/rds/avond.Rds", true}}})
                .ok());
        clockAt(6, 30);
        planner.reload();
    }

    static std::string set(std::string_view name) {
        return station::compose({{std::string(name), true}}, station::kProgrammeServiceLayout);
    }

    void clockAt(int hour, int minute) {
        clock.time = {.year = 2026,
                      .month = 12,
                      .day = 7,
                      .hour = hour,
                      .minute = minute,
                      .second = 0,
                      .weekday = 0};
    }

    void connect() {
        encoder.session.toggleConnection();
        encoder.line.receive(fakes::kIdentificationFrame);
        encoder.line.clearWrites();
    }

    // The first PS frames of the fills that went out since the last look.
    std::vector<std::string> filled() {
        while (encoder.pacing.fire()) {
        }
        std::vector<std::string> firsts;
        for (const std::string& frame : encoder.line.writes()) {
            if (frame.starts_with("^B^P0")) {
                firsts.push_back(frame.substr(5, 8));
            }
        }
        encoder.line.clearWrites();
        return firsts;
    }

    fakes::SessionOnFakes encoder;
    fakes::FakeTimer timer;
    fakes::FakeClock clock;
    fakes::FakeFileStore files;
    fakes::FakeSettingsStore store;
    std::vector<std::string> recorded;
    std::vector<fakes::FakeSerialLine*> groupLines;
    std::vector<fakes::FakeTimer*> groupTimers;
    link::GroupRunner group{{.newLine =
                                 [this] {
                                     auto line = std::make_unique<fakes::FakeSerialLine>();
                                     groupLines.push_back(line.get());
                                     return line;
                                 },
                             .newTimer =
                                 [this] {
                                     auto made = std::make_unique<fakes::FakeTimer>();
                                     groupTimers.push_back(made.get());
                                     return made;
                                 },
                             .record = [](std::string_view) {}}};
    Planner planner{{.session = encoder.session,
                     .group = group,
                     .timer = timer,
                     .clock = clock,
                     .files = files,
                     .settings = store,
                     .record = [this](std::string_view line) { recorded.emplace_back(line); }}};
};

TEST_F(PlannerTest, FillsTheEntryInForceAfterEachConnectAndWhenAnotherComesInForce) {
    EXPECT_FALSE(timer.isRunning()) << "nothing to look for without a connection";
    connect();
    EXPECT_EQ(filled(), std::vector<std::string>{"OCHTEND "});
    timer.fire();
    EXPECT_TRUE(filled().empty()) << "the same start goes out once";

    clockAt(19, 0);
    timer.fire();
    EXPECT_EQ(filled(), std::vector<std::string>{"AVOND   "});

    encoder.session.toggleConnection();
    encoder.line.receive(fakes::kSignOffFrame);
    EXPECT_FALSE(timer.isRunning());
    connect();
    EXPECT_EQ(filled(), std::vector<std::string>{"AVOND   "});
    EXPECT_EQ(planner.status().lastFill, "/rds/avond.Rds, 19:00:00: voltooid");
}

// A planned fill follows the user's fill; a file that cannot be read leaves
// the encoder as it is, and the log says so.
TEST_F(PlannerTest, WaitsForATransferAndPassesOverAnUnreadableFile) {
    connect();
    filled();
    encoder.session.startFill({set("GEBRUIK"), "", {}});
    clockAt(19, 0);
    timer.fire();
    encoder.pacing.fire();
    EXPECT_EQ(filled(), (std::vector<std::string>{"GEBRUIK ", "AVOND   "}));

    files.put("/rds/ochtend.Rds", "");
    ASSERT_TRUE(settings::writePlanningSettings(
                    store, {.inUse = true,
                            .entries = {PlanningEntry{kEveryDay, 6, 0, "/rds/weg.Rds", true}}})
                    .ok());
    recorded.clear();
    planner.reload();
    EXPECT_TRUE(filled().empty());
    ASSERT_EQ(recorded.size(), 1U);
    EXPECT_EQ(recorded[0], "Planning: het bestand /rds/weg.Rds kon niet worden gelezen: " +
                               std::string(fakes::FakeFileStore::kMissing));
}

// An entry for all encoders goes to the group also without a connection,
// once, and the window learns how the group fared.
TEST_F(PlannerTest, SendsAnEntryForAllEncodersToTheGroup) {
    ASSERT_TRUE(settings::writeEncoderList(store, {{"Zender Noord", 5, true}}).ok());
    PlanningEntry evening{kEveryDay, 19, 0, "/rds/avond.Rds", true};
    evening.allEncoders = true;
    ASSERT_TRUE(
        settings::writePlanningSettings(
            store, {.inUse = true,
                    .entries = {PlanningEntry{kEveryDay, 6, 0, "/rds/ochtend.Rds", true}, evening}})
            .ok());
    planner.reload();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(groupLines.empty()) << "the morning is for the main connection";

    clockAt(19, 0);
    timer.fire();
    timer.fire();
    ASSERT_EQ(groupLines.size(), 1U);
    EXPECT_EQ(groupLines[0]->lastPortNumber(), 5);
    groupTimers[0]->fire(); // the encoder never answers the greeting
    EXPECT_EQ(planner.status().lastFill, "/rds/avond.Rds, 19:00:00: 1 zender: 1 mislukt");
    EXPECT_TRUE(encoder.line.writes().empty());
}

} // namespace
} // namespace velmora::planning
