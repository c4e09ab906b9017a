#include "fakes/fake_clock.h"
#include "fakes/fake_log_file.h"
#include "fakes/param_names.h"
#include "fakes/recording_journal_view.h"
#include "link/journal.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;

constexpr platform::LocalTime kMorning{.year = 2026, .month = 12, .day = 9, .hour = 6, .second = 5};

struct LineCase {
    const char* name;
    SessionEvent event;
    std::string line;
};

class JournalLineTest : public testing::TestWithParam<LineCase> {};

// Each event is one line after the local time, on disk and in the window.
TEST_P(JournalLineTest, WritesOneLineAfterTheTime) {
    fakes::FakeLogFile file;
    fakes::FakeClock clock;
    clock.time = kMorning;
    Journal journal(file, clock);

    journal.sessionEvent(GetParam().event);

    const std::string expected = "2026-12-09 06:00:05 " + GetParam().line;
    EXPECT_EQ(file.lines, std::vector<std::string>{expected});
    EXPECT_EQ(journal.newestLines().back(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Connection, JournalLineTest,
    testing::ValuesIn(std::vector<LineCase>{
        {"Made", Connected{{.version = "1.2", .updateDate = "12-03-02", .name = "RX-UNIT "}},
         "Verbonden met RX-UNIT (versie 1.2, 12-03-02)"},
        {"EndedByTheUser", Disconnected{ClosingCause::Asked, ""}, "Verbinding verbroken"},
        {"EndedWithoutAnswer", Disconnected{ClosingCause::Asked, "Encoder antwoord niet."},
         "Verbinding verbroken: Encoder antwoord niet."},
        {"SignedOff", Disconnected{ClosingCause::SignedOff, ""}, "De encoder heeft zich afgemeld"},
        {"Refused", Disconnected{ClosingCause::Refused, "Deze poort is al in gebruik"},
         "Geen verbinding: Deze poort is al in gebruik"},
        {"Lost", Disconnected{ClosingCause::Lost, "De poort is niet meer aanwezig"},
         "Verbinding verloren: De poort is niet meer aanwezig"},
    }),
    fakes::ByCaseName{});

INSTANTIATE_TEST_SUITE_P(
    Transfers, JournalLineTest,
    testing::ValuesIn(std::vector<LineCase>{
        {"FillStarted", TransferStarted{TransferKind::Fill, Origin::User},
         "Vullen door gebruiker gestart"},
        {"FillCompleted",
         TransferEnded{TransferKind::Fill, Origin::Planning, TransferEnd::Completed, ""},
         "Vullen door planning voltooid"},
        {"VerificationCounted",
         TransferEnded{TransferKind::Verification, Origin::Planning, TransferEnd::Completed,
                       "3 verschillen gevonden."},
         "Controle door planning: 3 verschillen gevonden."},
        {"ReadOutFailed",
         TransferEnded{TransferKind::ReadOut, Origin::User, TransferEnd::Failed, "schijf vol"},
         "Uitlezen door gebruiker mislukt: schijf vol"},
        {"Replaced",
         TransferEnded{TransferKind::Verification, Origin::User, TransferEnd::Replaced,
                       "De controle is afgebroken: de encoder wordt gevuld."},
         "Controle door gebruiker afgebroken: een nieuwe opdracht gaat voor"},
        {"BrokenOff", TransferEnded{TransferKind::Fill, Origin::User, TransferEnd::BrokenOff, ""},
         "Vullen door gebruiker afgebroken: de verbinding is verbroken"},
    }),
    fakes::ByCaseName{});

INSTANTIATE_TEST_SUITE_P(
    Sent, JournalLineTest,
    testing::ValuesIn(std::vector<LineCase>{
        {"LiveTextInTheCodePage", LiveTextSent{"Nu: Caf\xE9 \x80"},
         "Live radiotekst verstuurd: Nu: Caf\xE9 \x80"},
        {"LiveTextStaysOneLine", LiveTextSent{"Een\r\nTwee\tDrie"},
         "Live radiotekst verstuurd: Een  Twee Drie"},
        {"LongLiveTextCut", LiveTextSent{std::string(5000, 'x')},
         "Live radiotekst verstuurd: " + std::string(kLongestJournalText - 27, 'x')},
        {"PiCode", PiCodeSent{4660}, "PI-code 4660 verstuurd"},
        {"ReconnectionWaits", ReconnectionWaits{{3, 8}}, "Opnieuw verbinden over 8 s (poging 3)"},
    }),
    fakes::ByCaseName{});

// The window starts with the newest lines of earlier runs and sees every
// new one; the oldest go once kJournalLinesKept are kept.
TEST(Journal, KeepsTheNewestLinesForTheWindow) {
    fakes::FakeLogFile file;
    file.earlier = {"2026-12-08 23:59:59 Verbinding verbroken"};
    fakes::FakeClock clock;
    Journal journal(file, clock);
    ASSERT_EQ(journal.newestLines().size(), 1U);

    for (std::size_t line = 0; line < kJournalLinesKept; ++line) {
        journal.record("PI-code " + std::to_string(line) + " verstuurd");
    }

    EXPECT_EQ(journal.newestLines().size(), kJournalLinesKept);
    EXPECT_EQ(journal.newestLines().front(), "2000-01-01 00:00:00 PI-code 0 verstuurd");
    EXPECT_EQ(file.lines.size(), kJournalLinesKept);
}

// Nothing stops for a log that cannot be written: every line still reaches
// the window, which hears of the failure once.
TEST(Journal, TellsOnceThatTheLogCannotBeWritten) {
    fakes::FakeLogFile file;
    file.failure = "schijf vol";
    fakes::FakeClock clock;
    Journal journal(file, clock);
    fakes::RecordingJournalView view;
    journal.setView(&view);

    journal.record("Planning: het bestand kon niet worden gelezen");
    journal.sessionEvent(PiCodeSent{1});

    EXPECT_EQ(view.lines.size(), 2U);
    EXPECT_EQ(view.failures, std::vector<std::string>{"schijf vol"});
    EXPECT_EQ(journal.failure(), "schijf vol");
}

} // namespace
} // namespace velmora::link
