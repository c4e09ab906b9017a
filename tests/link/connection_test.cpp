#include "fakes/param_names.h"
#include "link/supervision.h"
#include "link_fixture.h"
#include "settings/settings_schema.h"

#include <chrono>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;
using OpenResult = platform::SerialLine::OpenResult;
using State = ConnectionState;

struct Scenario {
    const char* name;
    std::vector<std::string> events;
    State end;
    std::string written;
    std::vector<std::string> warnings;
    bool portOpen;
};

class ConnectionScenario : public LinkFixture, public testing::WithParamInterface<Scenario> {
protected:
    void play(const std::string& event) {
        if (event == "click") {
            session.toggleConnection();
        } else if (event == "identify") {
            line.receive(kIdentificationFrame);
        } else if (event == "signoff") {
            line.receive(kSignOffFrame);
        } else if (event == "tick") {
            supervision.fire();
        } else if (event == "vanish") {
            line.vanish();
        } else if (event == "absent") {
            line.nextOpenResult = OpenResult::NoSuchPort;
        } else if (event == "taken") {
            line.nextOpenResult = OpenResult::PortInUse;
        } else if (event == "forbidden") {
            line.nextOpenResult = OpenResult::NoAccess;
            line.accessFailureOnOpen = {"/dev/ttyUSB0",
                                        "Vraag uw beheerder u toe te voegen aan de groep dialout."};
        } else if (event == "unreachable") {
            line.failOpen(OpenResult::NoSuchPort);
        } else if (event == "broken") {
            line.nextOpenResult = OpenResult::OtherFailure;
        } else {
            FAIL() << "unknown event " << event;
        }
    }
};

TEST_P(ConnectionScenario, EndsInTheExpectedState) {
    for (const std::string& event : GetParam().events) {
        play(event);
    }
    const State end = GetParam().end;
    EXPECT_EQ(session.state(), end);
    EXPECT_EQ(view.stateShown, end);
    EXPECT_EQ(line.written(), GetParam().written);
    EXPECT_EQ(line.isOpen(), GetParam().portOpen);
    EXPECT_EQ(supervision.isRunning(), end == State::Connecting || end == State::Disconnecting);
    if (supervision.isRunning()) {
        EXPECT_EQ(supervision.interval(), std::chrono::milliseconds{2000});
    }
    std::vector<std::string> warnings;
    for (const auto& report : view.warnings) {
        warnings.push_back(report.text);
        // Every change is made before the message window is shown.
        EXPECT_EQ(report.stateShown, State::Disconnected);
    }
    EXPECT_EQ(warnings, GetParam().warnings);
}

const std::string greeting(kGreetingFrame);
const std::string farewell = greeting + std::string(kDisconnectRequest);

INSTANTIATE_TEST_SUITE_P(
    Transitions, ConnectionScenario,
    testing::ValuesIn(std::vector<Scenario>{
        {"ClickOpensAndGreets", {"click"}, State::Connecting, greeting, {}, true},
        {"IdentificationConnects", {"click", "identify"}, State::Connected, greeting, {}, true},
        {"SilenceEndsTheConnect",
         {"click", "tick"},
         State::Disconnected,
         greeting,
         {std::string(kNoAnswerToGreeting)},
         false},
        {"ClickWhileConnectingClosesQuietly",
         {"click", "click"},
         State::Disconnected,
         greeting,
         {},
         false},
        {"ClickWhenConnectedAsksToSignOff",
         {"click", "identify", "click"},
         State::Disconnecting,
         farewell,
         {},
         true},
        {"SignOffDisconnects",
         {"click", "identify", "click", "signoff"},
         State::Disconnected,
         farewell,
         {},
         false},
        {"SilenceEndsTheDisconnect",
         {"click", "identify", "click", "tick"},
         State::Disconnected,
         farewell,
         {std::string(kNoAnswerToDisconnect)},
         false},
        {"ClickWhileDisconnectingFindsThePortInUse",
         {"click", "identify", "click", "click"},
         State::Disconnected,
         farewell,
         {std::string(kPortInUse)},
         false},
        {"AbsentPort",
         {"absent", "click"},
         State::Disconnected,
         "",
         {std::string(kNoSuchPort)},
         false},
        {"PortTaken",
         {"taken", "click"},
         State::Disconnected,
         "",
         {std::string(kPortInUse)},
         false},
        // Not "in use": nothing else holds the port, the user may not open it.
        {"PortWithoutAccess",
         {"forbidden", "click"},
         State::Disconnected,
         "",
         {"Geen toegang tot poort 1 (/dev/ttyUSB0). Vraag uw beheerder u toe te voegen aan de "
          "groep dialout."},
         false},
        // A device server's host that turns out not to exist once the
        // greeting is on its way.
        {"PortFoundAbsentWhileConnecting",
         {"click", "unreachable"},
         State::Disconnected,
         greeting,
         {std::string(kNoSuchPort)},
         false},
        {"PortFoundAbsentAfterTheClickThatEndedTheConnect",
         {"click", "click", "unreachable"},
         State::Disconnected,
         greeting,
         {},
         false},
        {"OtherOpenFailureWaitsForSupervision",
         {"broken", "click"},
         State::Connecting,
         "",
         {},
         false},
        {"OtherOpenFailureReportedBySupervision",
         {"broken", "click", "tick"},
         State::Disconnected,
         "",
         {std::string(kNoAnswerToGreeting)},
         false},
        {"SignOffWhileConnecting", {"click", "signoff"}, State::Disconnected, greeting, {}, false},
        {"IdentificationWhileDisconnectingChangesNothing",
         {"click", "identify", "click", "identify"},
         State::Disconnecting,
         farewell,
         {},
         true},
        {"IdentificationWhenConnectedChangesNothing",
         {"click", "identify", "identify"},
         State::Connected,
         greeting,
         {},
         true},
        {"LateAnswerIsLost",
         {"click", "tick", "identify"},
         State::Disconnected,
         greeting,
         {std::string(kNoAnswerToGreeting)},
         false},
        {"VanishedPortCloses",
         {"click", "identify", "vanish"},
         State::Disconnected,
         greeting,
         {std::string(kPortLost)},
         false},
        {"TickWhenConnectedDoesNothing",
         {"click", "identify", "tick"},
         State::Connected,
         greeting,
         {},
         true},
    }),
    fakes::ByCaseName());

// Where the system words the reason itself, or knows no device, the message
// names what it has.
TEST(NoAccessMessage, NamesWhatTheLineKnows) {
    EXPECT_EQ(noAccessMessage(3, {"COM3", "Toegang geweigerd."}),
              "Geen toegang tot poort 3 (COM3). Toegang geweigerd.");
    EXPECT_EQ(noAccessMessage(2, {}), "Geen toegang tot poort 2.");
}

TEST(ConnectionDisplay, TransferCommandsFollowTheConfirmedConnection) {
    EXPECT_FALSE(displayOf(State::Connecting).transferCommandsEnabled);
    EXPECT_TRUE(displayOf(State::Disconnecting).transferCommandsEnabled);
    EXPECT_TRUE(clickConnects(State::Disconnecting));
    EXPECT_FALSE(clickConnects(State::Connecting));
}

class ConnectionTest : public LinkFixture {};

TEST_F(ConnectionTest, PortNumberIsReadAfreshAtEveryConnect) {
    const std::vector<std::pair<std::string, int>> steps{
        {"0", 1}, {"", 1}, {"3", 3}, {"COM5", 3}, {" 4", 3}, {"12", 12}, {"0", 12}, {"2.5", 3}};
    for (const auto& [setting, port] : steps) {
        ASSERT_TRUE(settings::write(settings, settings::kPortNumber, setting).ok());
        session.toggleConnection();
        EXPECT_EQ(line.lastPortNumber(), port) << '"' << setting << '"';
        session.toggleConnection();
    }
}

TEST_F(ConnectionTest, SignOnIsShownWithTheConnectionAlreadyStanding) {
    session.toggleConnection();
    line.receive(kIdentificationFrame);
    ASSERT_EQ(view.hardware.size(), 1U);
    EXPECT_EQ(view.hardware[0].caption, kSignOnCaption);
    EXPECT_EQ(view.hardware[0].stateShown, State::Connected);
    EXPECT_EQ(view.hardware[0].identity->name, "RX-UNIT1");
    EXPECT_FALSE(supervision.isRunning());
}

TEST_F(ConnectionTest, SignOffShowsTheLastIdentityOrNone) {
    session.toggleConnection();
    line.receive(kSignOffFrame);
    ASSERT_EQ(view.hardware.size(), 1U);
    EXPECT_EQ(view.hardware[0].caption, kSignOffCaption);
    EXPECT_FALSE(view.hardware[0].identity.has_value());

    connect();
    line.receive(kSignOffFrame);
    ASSERT_EQ(view.hardware.size(), 3U);
    EXPECT_EQ(view.hardware[2].identity->version, "1.2");
    EXPECT_EQ(view.hardware[2].stateShown, State::Disconnected);
}

TEST_F(ConnectionTest, SignOffBehindTheSignOnWindowWins) {
    view.duringHardware = [this] { line.receive(kSignOffFrame); };
    session.toggleConnection();
    line.receive(kIdentificationFrame);
    EXPECT_EQ(session.state(), State::Disconnected);
    EXPECT_EQ(view.stateShown, State::Disconnected);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(view.hardware.size(), 2U);
}

TEST_F(ConnectionTest, InputAfterASignOffInTheSameChunkIsLost) {
    connect();
    line.receive(std::string(kSignOffFrame) + std::string(kIdentificationFrame));
    EXPECT_EQ(session.state(), State::Disconnected);
    EXPECT_EQ(view.hardware.size(), 2U);
}

TEST_F(ConnectionTest, LateIdentificationBehindTheTimeOutMessageIsLost) {
    view.duringWarning = [this] {
        line.receive(kIdentificationFrame);
        EXPECT_FALSE(supervision.fire());
    };
    session.toggleConnection();
    supervision.fire();
    EXPECT_EQ(session.state(), State::Disconnected);
    EXPECT_TRUE(view.hardware.empty());
}

TEST_F(ConnectionTest, ClosingOnExitSendsNothingAndShowsTheClosedPort) {
    connect();
    session.closePortWithoutNotice();
    EXPECT_FALSE(session.isPortOpen());
    EXPECT_EQ(line.written(), "");
    EXPECT_TRUE(view.warnings.empty());
    EXPECT_EQ(view.stateShown, State::Disconnected);
    session.toggleConnection();
    EXPECT_EQ(session.state(), State::Connecting);
}

TEST_F(ConnectionTest, PiCodeGoesOutOnlyWhileThePortIsOpen) {
    session.sendPiCode(4660);
    EXPECT_EQ(line.written(), "");
    connect();
    session.sendPiCode(4660);
    EXPECT_EQ(line.written(), piFrame(4660));
}

} // namespace
} // namespace velmora::link
