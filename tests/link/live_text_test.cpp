#include "fakes/param_names.h"
#include "link/live_text.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;

std::string payloadOf(std::string text) {
    text.resize(64, ' ');
    return text + '1';
}

struct PayloadCase {
    const char* name;
    std::string prefix;
    std::string fileStart;
    std::string text;
};

class LiveTextTest : public testing::TestWithParam<PayloadCase> {};

TEST_P(LiveTextTest, GivesThePaddedTextAndTheActiveFlag) {
    EXPECT_EQ(liveRadiotextPayload(GetParam().prefix, GetParam().fileStart),
              payloadOf(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Decoding, LiveTextTest,
    testing::ValuesIn(std::vector<PayloadCase>{
        {"Ascii", "", "Queen - Bohemian Rhapsody", "Queen - Bohemian Rhapsody"},
        {"PrefixFirst", "Nu op Noord FM: ", "ABBA - Waterloo", "Nu op Noord FM: ABBA - Waterloo"},
        {"EmptyFileLeavesThePrefix", "Nu op: ", "", "Nu op: "},
        {"Utf8ToCodePageBytes", "", "Café – “Ç” ‘oké’ € ™ …",
         "Caf\xE9 \x96 \x93\xC7\x94 \x91ok\xE9\x92 \x80 \x99 \x85"},
        {"Windows1252WhenNotUtf8", "", "Caf\xE9", "Caf\xE9"},
        {"OneBadByteDecidesTheWholeLine", "", "Caf\xC3\xA9 \xFF", "Caf\xC3\xA9 \xFF"},
        {"OverlongTwoBytes", "", "\xC0\xAF", "\xC0\xAF"},
        {"OverlongLeadC1", "", "\xC1\xBF", "\xC1\xBF"},
        {"OverlongThreeBytes", "", "\xE0\x80\xAF", "\xE0\x80\xAF"},
        {"Surrogate", "", "\xED\xA0\x80", "\xED\xA0\x80"},
        {"AboveU10FFFF", "", "\xF4\x90\x80\x80", "\xF4 \x80\x80"},
        {"StrayContinuation", "", "a\xA9", "a\xA9"},
        {"CutSequenceInAShortFile", "", "Caf\xC3", "Caf\xC3"},
        {"LowestThreeBytes", "", "\xE0\xA0\x80\xC3\xA9", "?\xE9"},
        {"LastBeforeSurrogates", "", "\xED\x9F\xBF\xC3\xA9", "?\xE9"},
        {"LowestFourBytes", "", "\xF0\x90\x80\x80\xC3\xA9", "?\xE9"},
        {"HighestCodePoint", "", "\xF4\x8F\xBF\xBF\xC3\xA9", "?\xE9"},
    }),
    fakes::ByCaseName());

INSTANTIATE_TEST_SUITE_P(FirstLine, LiveTextTest,
                         testing::ValuesIn(std::vector<PayloadCase>{
                             {"ByteOrderMark", "", "\xEF\xBB\xBFHallo", "Hallo"},
                             {"ByteOrderMarkBeforeWindows1252", "", "\xEF\xBB\xBFjos\xE9",
                              "jos\xE9"},
                             {"ByteOrderMarkOnlyAtTheStart", "", " \xEF\xBB\xBFx", " ?x"},
                             {"CrLf", "", "Eerste\r\nTweede", "Eerste"},
                             {"Cr", "", "Eerste\rTweede", "Eerste"},
                             {"Lf", "", "Eerste\nTweede", "Eerste"},
                             {"EmptyFirstLine", "Nu: ", "\nTweede", "Nu: "},
                             {"LaterLinesDoNotDecide", "", "Caf\xC3\xA9\n\xFF", "Caf\xE9"},
                             {"CutSequenceBeforeALineEnd", "", "Caf\xC3\nx", "Caf\xC3"},
                         }),
                         fakes::ByCaseName());

INSTANTIATE_TEST_SUITE_P(Controls, LiveTextTest,
                         testing::ValuesIn(std::vector<PayloadCase>{
                             {"InTheLine", "", std::string("A\tB\x01g\x7Fh\0i", 9), "A B g h i"},
                             {"C1InUtf8", "", "g\xC2\x80h\xC2\x9Fi", "g h i"},
                             {"UndefinedInWindows1252", "", "\x81\x8D\x8F\x90\x9D\xE9",
                              "     \xE9"},
                             {"Windows1252SignsStay", "", "\x80\x85\x9F\xFF", "\x80\x85\x9F\xFF"},
                             {"InThePrefix", "Nu\t\x81op\x7F:\x80 ", "x", "Nu  op :\x80 x"},
                         }),
                         fakes::ByCaseName());

INSTANTIATE_TEST_SUITE_P(Width, LiveTextTest,
                         testing::ValuesIn(std::vector<PayloadCase>{
                             {"LongLineCut", "Nu op Noord FM: ", std::string(100, 'x'),
                              "Nu op Noord FM: " + std::string(48, 'x')},
                             {"LongPrefixCut", std::string(70, 'p'), "x", std::string(64, 'p')},
                             {"ExactlyFull", "", std::string(64, 'y'), std::string(64, 'y')},
                             {"MultiByteCharacterTakesOnePlace", "", std::string(63, 'y') + "éz",
                              std::string(63, 'y') + "\xE9"},
                             {"CombiningMarkTakesNoPlace", "", std::string(63, 'y') + "e\xCC\x81z",
                              std::string(63, 'y') + "e"},
                         }),
                         fakes::ByCaseName());

TEST(LiveTextCharacters, LackingFromTheCodePageBecomeBaseLettersOrQuestionMarks) {
    const std::vector<std::pair<std::string, std::string>> characters{
        {"ā", "a"},          {"Ő", "O"},         {"č", "c"},         {"ł", "l"},
        {"ș", "s"},          {"ğ", "g"},         {"ŵ", "w"},         {"ṭ", "t"},
        {"ǎ", "a"},          {"ỳ", "y"},         {"ı", "i"},         {"Đ", "D"},
        {"ǖ", "u"},          {"ǽ", "\xE6"},      {"Ǿ", "\xD8"},      {"Ā", "A"},
        {"ſ", "s"},          {"ƀ", "b"},         {"ɏ", "y"},         {"Ḁ", "A"},
        {"ỿ", "y"},          {"ŋ", "?"},         {"ẞ", "?"},         {"ɐ", "?"},
        {"ἀ", "?"},          {"Š", "\x8A"},      {"ž", "\x9E"},      {"Œ", "\x8C"},
        {"ƒ", "\x83"},       {"ÿ", "\xFF"},      {"中", "?"},        {"😀", "?"},
        {"Я", "?"},          {"e\xCC\x81", "e"}, {"o\xCC\x80", "o"}, {"a\xCD\xAF", "a"},
        {"a\xCD\xB0", "a?"},
    };
    for (const auto& [utf8, text] : characters) {
        EXPECT_EQ(liveRadiotextPayload("", utf8), payloadOf(text)) << utf8;
    }
}

struct ReadLimitCase {
    const char* name;
    std::string tail;
    std::size_t fileSize;
    bool readAsUtf8;
};

class LiveTextReadLimitTest : public testing::TestWithParam<ReadLimitCase> {};

// The line starts with a UTF-8 "é", which shows how the whole line was read.
TEST_P(LiveTextReadLimitTest, DropsOnlyASequenceCutOffByTheLimit) {
    const std::string head = "Caf\xC3\xA9";
    const std::string fileStart =
        head + std::string(GetParam().fileSize - head.size() - GetParam().tail.size(), 'x') +
        GetParam().tail;
    const std::string text =
        GetParam().readAsUtf8 ? "Caf\xE9" + std::string(60, 'x') : head + std::string(59, 'x');
    EXPECT_EQ(liveRadiotextPayload("", fileStart), payloadOf(text));
}

INSTANTIATE_TEST_SUITE_P(ReadLimit, LiveTextReadLimitTest,
                         testing::ValuesIn(std::vector<ReadLimitCase>{
                             {"TwoByteCut", "\xC3", kLiveTextReadLimit, true},
                             {"ThreeByteCut", "\xE2\x82", kLiveTextReadLimit, true},
                             {"FourByteCut", "\xF0\x9F\x98", kLiveTextReadLimit, true},
                             {"CompleteAtTheEnd", "\xE2\x82\xAC", kLiveTextReadLimit, true},
                             {"CutShortOfTheLimit", "\xE2\x82", kLiveTextReadLimit - 1, false},
                             {"OverlongStart", "\xE0\x80", kLiveTextReadLimit, false},
                             {"SurrogateStart", "\xED\xA0", kLiveTextReadLimit, false},
                             {"StrayContinuation", "\x82", kLiveTextReadLimit, false},
                             {"NeverALead", "\xF5", kLiveTextReadLimit, false},
                             {"CutBeforeALineEnd", "\xC3\nxyz", kLiveTextReadLimit, false},
                             {"BytesBeyondTheLimitUnread", "\xC3\xFF", kLiveTextReadLimit + 1,
                              true},
                         }),
                         fakes::ByCaseName());

bool isShowable(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

TEST(LiveTextGarbage, AlwaysGivesSixtyFourShowableBytesAndTheFlag) {
    std::mt19937 random(1252);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> size(0, kLiveTextReadLimit);
    for (int run = 0; run < 300; ++run) {
        std::string prefix(size(random) % 100, '\0');
        std::string fileStart(run % 3 == 0 ? kLiveTextReadLimit : size(random), '\0');
        for (std::string* bytes : {&prefix, &fileStart}) {
            std::generate(bytes->begin(), bytes->end(),
                          [&] { return static_cast<char>(byte(random)); });
        }
        const std::string payload = liveRadiotextPayload(prefix, fileStart);
        ASSERT_EQ(payload.size(), 65u) << "run " << run;
        EXPECT_EQ(payload.back(), '1') << "run " << run;
        EXPECT_TRUE(std::all_of(payload.begin(), payload.end() - 1, isShowable)) << "run " << run;
    }
}

} // namespace
} // namespace velmora::link
