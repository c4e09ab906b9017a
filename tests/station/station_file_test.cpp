#include "fakes/param_names.h"
#include "station/path_text.h"
#include "station/station_file.h"
#include "station/station_settings.h"

#include <gtest/gtest.h>

namespace velmora::station {
namespace {

using fakes::PrintTo;

// A complete document whose names and texts use every byte from 0x20 to 0xFF
// and end in spaces.
std::vector<EntryInput> entriesOfAllBytes(const SetLayout& layout, unsigned char& next) {
    std::vector<EntryInput> entries;
    for (int k = 0; k < layout.entryCount; ++k) {
        std::string name;
        for (int i = 0; i < layout.nameWidth - 2; ++i) {
            name.push_back(static_cast<char>(next));
            next = next == 0xFF ? 0x20 : static_cast<unsigned char>(next + 1);
        }
        entries.push_back({name, k % 2 == 0});
    }
    return entries;
}

struct Document447 {
    Document447() {
        unsigned char next = 0x20;
        ps = compose(entriesOfAllBytes(kProgrammeServiceLayout, next), kProgrammeServiceLayout);
        rt = compose(entriesOfAllBytes(kRadiotextLayout, next), kRadiotextLayout);
        file = composeStationFile(ps, rt);
    }
    std::string ps;
    std::string rt;
    std::string file;
};

TEST(StationFileTest, CompleteDocumentIsPsSetCrLfRtSet) {
    const Document447 doc;
    ASSERT_EQ(doc.file.size(), 447u);
    EXPECT_EQ(doc.file.substr(0, 110), doc.ps);
    EXPECT_EQ(doc.file.substr(110, 2), "\r\n");
    EXPECT_EQ(doc.file.substr(112), doc.rt);
}

// Writing a short or missing set as it is would shift the positions of
// everything after it, and the file would read back garbled.
TEST(StationFileTest, ShortAndMissingSetsAreWrittenAtFullLength) {
    const Document447 doc;
    const std::string shortPs = doc.ps.substr(0, 5 * 11) + "ABC";
    const StationSets read = parseStationFile(composeStationFile(shortPs, ""));
    EXPECT_EQ(read.programmeService.substr(0, 55), doc.ps.substr(0, 55));
    EXPECT_EQ(read.programmeService.substr(55, 11), "ABC     1\r\n");
    EXPECT_EQ(read.programmeService.size(), 110u);
    EXPECT_EQ(read.radiotext, compose({}, kRadiotextLayout));

    EXPECT_EQ(parseStationFile(composeStationFile("", doc.rt)).radiotext, doc.rt);
    EXPECT_EQ(composeStationFile("", ""), "");
    EXPECT_EQ(parseStationFile(""), StationSets{});
}

// The fill sends the ninth character of each entry as it stands, so a save
// must not turn an odd flag into "1" or "0".
TEST(StationFileTest, CompleteSetsAreWrittenByteForByte) {
    const Document447 doc;
    std::string ps = doc.ps;
    ps[8] = '2';
    ps[11 + 8] = 'x';
    ps[2 * 11 + 9] = '\n';
    std::string rt = doc.rt;
    rt[64] = 'x';
    EXPECT_EQ(composeStationFile(ps, rt), ps + "\r\n" + rt);
}

struct Layout {
    const char* name;
    std::string content;
    std::size_t psLength;
    std::size_t rtLength;
};

class StationFileLayoutTest : public testing::TestWithParam<Layout> {};

TEST_P(StationFileLayoutTest, ReadsByCharacterPosition) {
    const Document447 doc;
    const StationSets sets = parseStationFile(GetParam().content);
    EXPECT_EQ(sets.programmeService, doc.ps.substr(0, GetParam().psLength));
    EXPECT_EQ(sets.radiotext, doc.rt.substr(0, GetParam().rtLength));
}

std::string withSeparator(std::string file, std::string_view separator) {
    return file.replace(110, 2, separator);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StationFileLayoutTest,
    testing::Values(Layout{"Exact", Document447().file, 110, 335},
                    Layout{"FinalCrLf", Document447().file + "\r\n", 110, 335},
                    Layout{"AnythingAfterRtSet", Document447().file + "extra\r\nregels", 110, 335},
                    Layout{"SeparatorNotLooked", withSeparator(Document447().file, "x\xFF"), 110,
                           335},
                    Layout{"Chars60", Document447().file.substr(0, 60), 60, 0},
                    Layout{"Chars111", Document447().file.substr(0, 111), 110, 0},
                    Layout{"Chars112", Document447().file.substr(0, 112), 110, 0},
                    Layout{"Chars113", Document447().file.substr(0, 113), 110, 1},
                    Layout{"Chars300", Document447().file.substr(0, 300), 110, 188}),
    fakes::ByCaseName());

TEST(PathTextTest, SettingsTextAndUtf8PathsConvertBothWays) {
    EXPECT_EQ(utf8PathFromText("C:\\Zenders\\Caf\xE9 \x80.Rds"),
              "C:\\Zenders\\Caf\xC3\xA9 \xE2\x82\xAC.Rds");
    EXPECT_EQ(textFromUtf8Path("/home/jos\xC3\xA9/\xE2\x80\xB0.Rds"), "/home/jos\xE9/\x89.Rds");
    std::string allBytes;
    for (int byte = 1; byte < 256; ++byte) {
        allBytes.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(textFromUtf8Path(utf8PathFromText(allBytes)), allBytes);
}

TEST(PathTextTest, UnshowableCharactersAndBrokenUtf8BecomeQuestionMarks) {
    // Cyrillic "Д", an emoji, a stray continuation byte and a cut-off sequence.
    EXPECT_EQ(textFromUtf8Path("a\xD0\x94"
                               "b\xF0\x9F\x93\xBB"
                               "c\x80"
                               "d\xE2\x82"),
              "a?b?c?d?");
}

} // namespace
} // namespace velmora::station
