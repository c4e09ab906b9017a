#include "fakes/param_names.h"
#include "link/receive.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;
using Messages = std::vector<std::string>;

struct Recorder {
    Messages messages;
    ReceiveMachine machine{[this](std::string_view m) { messages.emplace_back(m); }};
};

struct ReceiveCase {
    const char* name;
    std::string input;
    Messages expected;
};

class ReceiveTest : public testing::TestWithParam<ReceiveCase> {};

TEST_P(ReceiveTest, AssemblesMessagesWhateverTheChunks) {
    Recorder whole;
    whole.machine.feed(GetParam().input);
    EXPECT_EQ(whole.messages, GetParam().expected);

    Recorder bytewise;
    for (const char c : GetParam().input) {
        bytewise.machine.feed(std::string_view(&c, 1));
    }
    EXPECT_EQ(bytewise.messages, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Quirks, ReceiveTest,
    testing::ValuesIn(std::vector<ReceiveCase>{
        {"EntryKeepsItsLetter", "^B^P3RADIO 1 1^E", {"P3RADIO 1 1"}},
        {"RClearsTheCaretLeftByI", "^B^I12120302RX-UNIT1^E", {"I12120302RX-UNIT1"}},
        {"PlainEEndsAnIdentification", "^B^I12120302EX-00001^E", {"I12120302", ""}},
        {"FirstPlainBIsDroppedAfterS", "^B^SaBcB^E", {"SacB"}},
        {"OutsideAFrameIsDropped", "noise^B^Dx^Enoise", {"Dx"}},
        {"EndMarkOutsideAFrame", "^E", {""}},
        {"StartMarkInsideAFrameKeeps", "^B^Pab^B^Pcd^E", {"PabPcd"}},
        {"LowerCaseIsNoMark", "^B^Rx^bq^e^E", {"Rxbqe"}},
        {"DoubledCaret", "^^B^^Px^^E", {"Px"}},
        {"CaretInsideAName", "^B^P0AB^CDEFG1^E", {"P0ABCDEFG1"}},
        {"NoEndMarkRunsIntoTheNextFrame", "^B^P1abc^B^P2def^E", {"P1abcP2def"}},
        {"AllByteValuesPass",
         std::string("^B^P0\x00\xFF\x5D\x7F^E", 11),
         {std::string("P0\x00\xFF\x5D\x7F", 6)}},
    }),
    fakes::ByCaseName());

TEST(ReceiveMachine, CollectsNoMoreThanTheReceiveBuffer) {
    Recorder recorder;
    recorder.machine.feed("^B" + std::string(5000, 'x'));
    EXPECT_EQ(recorder.machine.collected().size(), ReceiveMachine::kCollectLimit);
    recorder.machine.feed("^B^Pmore^E^B^Pnext^E");
    ASSERT_EQ(recorder.messages.size(), 2U);
    EXPECT_EQ(recorder.messages[0], std::string(ReceiveMachine::kCollectLimit, 'x'));
    EXPECT_EQ(recorder.messages[1], "Pnext");
}

TEST(ReceiveMachine, InputArrivingDuringAHandlerKeepsArrivalOrder) {
    Messages messages;
    ReceiveMachine* self = nullptr;
    ReceiveMachine machine([&](std::string_view m) {
        messages.emplace_back(m);
        if (m == "Pfirst") {
            self->feed("^B^Pthird^E");
        }
    });
    self = &machine;
    machine.feed("^B^Pfirst^E^B^Psecond^E");
    EXPECT_EQ(messages, (Messages{"Pfirst", "Psecond", "Pthird"}));
}

TEST(ReceiveMachine, DiscardFromAHandlerDropsTheRestOfTheInput) {
    Messages messages;
    ReceiveMachine* self = nullptr;
    ReceiveMachine machine([&](std::string_view m) {
        messages.emplace_back(m);
        self->discardPending();
    });
    self = &machine;
    machine.feed("^B^S^E^B^I12^E");
    EXPECT_EQ(messages, Messages{"S"});
}

TEST(ReceiveMachine, ClosingThePortKeepsAHalfFrame) {
    Recorder recorder;
    recorder.machine.feed("^B^Pab");
    recorder.machine.discardPending();
    recorder.machine.feed("cd^E");
    EXPECT_EQ(recorder.messages, Messages{"Pabcd"});
}

} // namespace
} // namespace velmora::link
