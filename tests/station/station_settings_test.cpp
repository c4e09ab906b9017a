#include "fakes/param_names.h"
#include "station/station_settings.h"

#include <gtest/gtest.h>

namespace velmora::station {
namespace {

using fakes::PrintTo;

std::string psEntry(std::string_view name, char flag) {
    return padName(name, kProgrammeServiceLayout) + flag + "\r\n";
}

TEST(SetLayout, EntriesStartAtTheDocumentedPositions) {
    EXPECT_EQ(kProgrammeServiceLayout.setWidth(), 110);
    EXPECT_EQ(kRadiotextLayout.setWidth(), 335);
    EXPECT_EQ(kRadiotextLayout.entryWidth() * 4 + 1, 269);
}

TEST(Compose, ActiveShortNameIsPaddedAndFlagged) {
    std::vector<EntryInput> entries(10);
    entries[0] = {"RADIO", true};
    const std::string set = compose(entries, kProgrammeServiceLayout);
    ASSERT_EQ(set.size(), 110u);
    EXPECT_EQ(set.substr(0, 11), "RADIO   1\r\n");
    EXPECT_EQ(set.substr(11, 11), "        0\r\n");
}

TEST(Compose, OverlongNamesAreCutToTheWidth) {
    const std::string set = compose({{"ABCDEFGHIJ", false}}, kProgrammeServiceLayout);
    EXPECT_EQ(set.substr(0, 11), "ABCDEFGH0\r\n");
}

TEST(TakeApart, ReadsNamesAndFlagsAtFixedPositions) {
    std::string set;
    for (int k = 0; k < 10; ++k) {
        set += psEntry("NAME" + std::to_string(k), k % 2 == 0 ? '1' : '0');
    }
    const auto entries = takeApart(set, kProgrammeServiceLayout);
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[3].name, "NAME3   ");
    EXPECT_FALSE(entries[3].isActive());
    EXPECT_TRUE(entries[4].isActive());
}

TEST(TakeApart, OnlyAZeroFlagReadsAsInactive) {
    std::string set = psEntry("A", '2') + psEntry("B", 'x') + psEntry("C", '0') + "D";
    const auto entries = takeApart(set, kProgrammeServiceLayout);
    EXPECT_TRUE(entries[0].isActive());
    EXPECT_TRUE(entries[1].isActive());
    EXPECT_FALSE(entries[2].isActive());
    // A set that ends inside entry 3: a short name and a missing flag, read as active.
    EXPECT_EQ(entries[3].name, "D");
    EXPECT_EQ(entries[3].flag, "");
    EXPECT_TRUE(entries[3].isActive());
    // Entries past the end are empty text.
    EXPECT_EQ(entries[9].name, "");
}

TEST(TakeApart, EmptySetGivesEmptyEntries) {
    const auto entries = takeApart("", kRadiotextLayout);
    ASSERT_EQ(entries.size(), 5u);
    for (const auto& entry : entries) {
        EXPECT_TRUE(entry.name.empty());
        EXPECT_TRUE(entry.isActive());
    }
}

// Whatever an editor composes must take apart into the same entries, for
// every byte a name may hold.
TEST(TakeApart, UndoesComposeForEveryByteValue) {
    for (const SetLayout* layout : {&kProgrammeServiceLayout, &kRadiotextLayout}) {
        std::vector<EntryInput> entries;
        int byte = 0x20;
        for (int k = 0; k < layout->entryCount; ++k) {
            std::string name;
            for (int i = 0; i < layout->nameWidth; ++i, byte = byte == 0xFF ? 0x20 : byte + 1) {
                name += static_cast<char>(byte);
            }
            entries.push_back({name, k % 3 != 0});
        }
        entries[1].name = "  trail ";
        const auto parsed = takeApart(compose(entries, *layout), *layout);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            EXPECT_EQ(parsed[k].name, padName(entries[k].name, *layout));
            EXPECT_EQ(parsed[k].isActive(), entries[k].active);
        }
    }
}

TEST(SetExistence, AllBlankInactiveSetStillExists) {
    const std::string blank = compose({}, kProgrammeServiceLayout);
    EXPECT_EQ(blank.size(), 110u);
    EXPECT_TRUE(setExists(blank));
    EXPECT_FALSE(setExists(""));
}

TEST(ProgrammeTypes, KeepTheirCodeOrderAndExactTexts) {
    const auto& names = programmeTypes();
    EXPECT_EQ(names.front(), "Geen");
    EXPECT_EQ(names[12], "Easy Listening ");
    EXPECT_EQ(names[18], "Children's Programs");
    EXPECT_EQ(names.back(), "Alarm");
}

TEST(FrequencyText, IsExactWithTheGivenSeparator) {
    EXPECT_EQ(frequencyText(1, "."), "87.6");
    EXPECT_EQ(frequencyText(1, ","), "87,6");
    EXPECT_EQ(frequencyText(5, ","), "88");
    EXPECT_EQ(frequencyText(125, "."), "100");
    EXPECT_EQ(frequencyText(204, ","), "107,9");
    EXPECT_EQ(frequencyText(0, "."), "");
    EXPECT_EQ(frequencyText(205, "."), "");
    EXPECT_EQ(frequencyText(-3, "."), "");
}

TEST(IntervalRanges, PairPositionsWithSeconds) {
    EXPECT_EQ(kPsIntervalRange.positionCount(), 118);
    EXPECT_EQ(kPsIntervalRange.secondsAt(0), 3);
    EXPECT_EQ(kRtIntervalRange.positionCount(), 96);
    EXPECT_EQ(kRtIntervalRange.secondsAt(95), 120);
}

} // namespace
} // namespace velmora::station
