#include "fakes/fake_watched_file.h"
#include "link/live_radiotext.h"
#include "link_fixture.h"
#include "settings/settings_schema.h"

#include <string>

namespace velmora::link {
namespace {

using namespace std::chrono_literals;

std::string liveFrame(int entry, std::string_view text) {
    std::string payload(text);
    payload.resize(64, ' ');
    return "^B^R" + std::to_string(entry) + payload + "1^E";
}

// The live text of the main session on fakes.
class LiveRadiotextTest : public LinkFixture {
protected:
    void SetUp() override {
        set(settings::kLiveFile, "/srv/playout/nu.txt");
        set(settings::kLiveEntry, "3");
        set(settings::kLivePrefix, "Nu: ");
        set(settings::kLiveOn, "1");
        live.reloadSettings();
    }

    void set(const settings::Key& key, std::string_view value) {
        ASSERT_TRUE(settings::write(settings, key, value).ok());
    }

    // What went out on the line since the last look.
    std::vector<std::string> sent() {
        std::vector<std::string> writes = line.writes();
        line.clearWrites();
        return writes;
    }

    void fillToTheEnd() {
        fill();
        while (pacing.fire()) {
        }
    }

    fakes::FakeTimer& timer = liveTimer;
    fakes::FakeWatchedFile& file = liveFile;
    LiveRadiotext& live = *session.liveRadiotext();
};

TEST_F(LiveRadiotextTest, FollowsTheFileOnlyWhileSwitchedOn) {
    EXPECT_EQ(file.path(), "/srv/playout/nu.txt");
    set(settings::kLiveOn, "0");
    live.reloadSettings();
    EXPECT_EQ(file.path(), "");
    EXPECT_EQ(live.status().state, LiveState::Off);
}

TEST_F(LiveRadiotextTest, ChangeWhileConnectedGoesOutAtOnceAndIsShown) {
    file.write("Artiest - Titel\n");
    connect();
    timer.fire(); // the first text after the connect
    timer.fire(); // its second is over
    sent();

    file.write("Andere artiest - Ander nummer\nvolgende regel");

    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Andere artiest - Ander nummer")});
    const LiveStatus status = live.status();
    EXPECT_EQ(status.state, LiveState::Sent);
    EXPECT_EQ(status.text, "Nu: Andere artiest - Ander nummer");
    EXPECT_EQ(status.sentAt, now);
}

TEST_F(LiveRadiotextTest, NothingGoesOutWithoutAConnectionAndTheTextGoesOutOnConnecting) {
    file.write("Titel");
    EXPECT_TRUE(line.writes().empty());
    EXPECT_EQ(live.status().state, LiveState::NoConnection);

    connect();
    EXPECT_TRUE(sent().empty()); // one pacing interval after the greeting's answer
    EXPECT_EQ(timer.interval(), 50ms);
    ASSERT_TRUE(timer.fire());

    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Titel")});
}

TEST_F(LiveRadiotextTest, ChangesWithinASecondGoOutOnceItIsOverOnlyTheLatest) {
    file.write("Een");
    connect();
    timer.fire();
    sent();

    for (const char* title : {"Twee", "Drie", "Vier"}) {
        file.write(title);
    }
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(timer.interval(), 1000ms);
    timer.fire();
    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Vier")});
    // A quiet second sends nothing, and the next change goes out at once.
    timer.fire();
    EXPECT_TRUE(sent().empty());
    file.write("Vijf");
    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Vijf")});
}

TEST_F(LiveRadiotextTest, UnchangedTextIsNotSentAgain) {
    file.write("Titel");
    connect();
    timer.fire();
    timer.fire();
    sent();

    file.write("Titel\r\nmet een andere tweede regel");

    EXPECT_FALSE(timer.isRunning());
    EXPECT_TRUE(sent().empty());
}

TEST_F(LiveRadiotextTest, ChangeDuringAFillWaitsAndTheTextFollowsEveryFill) {
    file.write("Voor de vulling");
    connect();
    timer.fire();
    timer.fire();
    sent();

    fill();
    file.write("Tijdens de vulling");
    timer.fire();
    while (pacing.fire()) {
    }
    std::vector<std::string> frames = sent();
    ASSERT_EQ(frames.size(), 16u);
    EXPECT_TRUE(frames.back().starts_with("^B^D"));
    ASSERT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 50ms);

    timer.fire();
    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Tijdens de vulling")});

    // A fill without any change sends the same text again after it.
    fillToTheEnd();
    timer.fire();
    EXPECT_EQ(sent().back(), liveFrame(2, "Nu: Tijdens de vulling"));
}

TEST_F(LiveRadiotextTest, NothingGoesOutAfterTheDisconnectRequestOrWhenOff) {
    file.write("Titel");
    connect();
    timer.fire();
    timer.fire();
    sent();

    session.toggleConnection(); // the disconnect request
    file.write("Na de vraag om te verbreken");
    timer.fire();
    EXPECT_EQ(sent(), std::vector<std::string>{std::string(kDisconnectRequest)});
    EXPECT_EQ(live.status().state, LiveState::NoConnection);

    line.receive(kSignOffFrame);
    connect();
    set(settings::kLiveOn, "0");
    live.reloadSettings();
    timer.fire();
    file.write("Uit");
    timer.fire();
    EXPECT_TRUE(sent().empty());
}

TEST_F(LiveRadiotextTest, MissingFileIsShownAndItsReturnIsSent) {
    connect();
    timer.fire();
    EXPECT_EQ(live.status().state, LiveState::FileNotFound);
    EXPECT_TRUE(sent().empty());

    file.write("Terug");

    EXPECT_EQ(sent(), std::vector{liveFrame(2, "Nu: Terug")});
    file.remove();
    EXPECT_EQ(live.status().state, LiveState::FileNotFound);
}

TEST_F(LiveRadiotextTest, EntryOutsideOneToFiveIsTheFirst) {
    set(settings::kLiveEntry, "9");
    live.reloadSettings();
    file.write("Titel");
    connect();
    timer.fire();
    EXPECT_EQ(sent(), std::vector{liveFrame(0, "Nu: Titel")});
}

} // namespace
} // namespace velmora::link
