#include "fakes/param_names.h"
#include "station/preview_cycle.h"
#include "station/station_settings.h"

#include <gtest/gtest.h>

namespace velmora::station {
namespace {

using fakes::PrintTo;
using enum PreviewNote;

std::string psSet(const std::vector<EntryInput>& entries) {
    return compose(entries, kProgrammeServiceLayout);
}

std::string rtSet(const std::vector<EntryInput>& entries) {
    return compose(entries, kRadiotextLayout);
}

// What the display shows in each second from the start, for one source, and
// the notes beside it.
struct CycleCase {
    const char* name;
    std::string psSet;
    std::string rtSet;
    std::optional<int> psInterval;
    std::optional<int> rtInterval;
    std::vector<std::string> namesBySecond;
    std::vector<std::string> textsBySecond;
    std::vector<PreviewNote> notes;
};

class PreviewCycle : public testing::TestWithParam<CycleCase> {};

TEST_P(PreviewCycle, ShowsTheActiveEntriesInTurnForTheirInterval) {
    const CycleCase& c = GetParam();
    const PreviewSource source{c.psSet, c.rtSet, c.psInterval, c.rtInterval};
    for (std::size_t second = 0; second < c.namesBySecond.size(); ++second) {
        const PreviewFrame frame = previewAt(source, std::chrono::seconds(second));
        EXPECT_EQ(frame.name, c.namesBySecond[second]) << "second " << second;
        EXPECT_EQ(frame.text, c.textsBySecond[second]) << "second " << second;
        EXPECT_EQ(frame.notes, c.notes) << "second " << second;
    }
}

const std::string kThreeNames =
    psSet({{"ONE", true}, {"OFF", false}, {"TWO", true}, {"", false}, {"THREE", true}});
const std::string kTwoTexts = rtSet({{"Eerste tekst", true}, {"Tweede tekst", true}});

INSTANTIATE_TEST_SUITE_P(
    Clock, PreviewCycle,
    testing::Values(
        CycleCase{
            "inactive ones are skipped, then it starts over",
            kThreeNames,
            kTwoTexts,
            2,
            3,
            {"ONE     ", "ONE     ", "TWO     ", "TWO     ", "THREE   ", "THREE   ", "ONE     "},
            {"Eerste tekst", "Eerste tekst", "Eerste tekst", "Tweede tekst", "Tweede tekst",
             "Tweede tekst", "Eerste tekst"},
            {PsIntervalTooShort}},
        CycleCase{"one active entry stays, readable",
                  psSet({{"", false}, {"SOLO", true}}),
                  rtSet({{"Alleen", true}}),
                  3,
                  25,
                  {"SOLO    ", "SOLO    ", "SOLO    ", "SOLO    "},
                  {"Alleen", "Alleen", "Alleen", "Alleen"},
                  {}},
        CycleCase{"no interval: the first stands still",
                  kThreeNames,
                  kTwoTexts,
                  std::nullopt,
                  0,
                  {"ONE     ", "ONE     ", "ONE     "},
                  {"Eerste tekst", "Eerste tekst", "Eerste tekst"},
                  {PsIntervalNotSet, RtIntervalNotSet}},
        CycleCase{"nothing active: empty lines",
                  psSet({{"OFF", false}}),
                  rtSet({}),
                  3,
                  25,
                  {"", ""},
                  {"", ""},
                  {NoActiveName, NoActiveText}},
        CycleCase{
            "no document: empty lines", "", "", 3, 25, {""}, {""}, {NoActiveName, NoActiveText}},
        CycleCase{"an active blank name takes its turn",
                  psSet({{"A", true}, {"   ", true}}),
                  "",
                  1,
                  std::nullopt,
                  {"A       ", "        ", "A       "},
                  {"", "", ""},
                  {PsIntervalTooShort, BlankActiveName, NoActiveText}}),
    fakes::ByCaseName{});

} // namespace
} // namespace velmora::station
