#include "fakes/param_names.h"
#include "link/verification.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;
using station::compose;

const std::string kPsSet = compose({{"RADIO 1", true}, {"TOP40", false}, {}, {"A^B", true}},
                                   station::kProgrammeServiceLayout);
const std::string kRtSet = compose({{"Goedemorgen", true}}, station::kRadiotextLayout);
const DecoderValues kDecoder{"10", "5", "4", "30"};

Verification verificationOfTheDocument() {
    return Verification(kPsSet, kRtSet, kDecoder);
}

// The encoder's message for a frame: what lies between "^B^" and "^E".
std::string messageOf(const std::string& frame) {
    return frame.substr(3, frame.size() - 5);
}

// The encoder's answer to a read request when it holds exactly what a fill
// of the document sent, leaving out the messages named.
std::vector<std::string> answerWithout(const std::vector<std::string>& leftOut = {}) {
    std::vector<std::string> messages;
    for (int entry = 0; entry < station::kProgrammeServiceLayout.entryCount; ++entry) {
        messages.push_back(messageOf(programmeServiceFrame(entry, kPsSet)));
    }
    for (int entry = 0; entry < station::kRadiotextLayout.entryCount; ++entry) {
        messages.push_back(messageOf(radiotextFrame(entry, kRtSet)));
    }
    messages.push_back(messageOf(decoderFrame(kDecoder)));
    std::erase_if(messages, [&](const std::string& message) {
        return std::ranges::any_of(
            leftOut, [&](const std::string& prefix) { return message.starts_with(prefix); });
    });
    return messages;
}

std::vector<std::string> plus(std::vector<std::string> messages,
                              const std::vector<std::string>& more) {
    messages.insert(messages.end(), more.begin(), more.end());
    return messages;
}

// Hands a message to the verification as the session does, decoded.
void give(Verification& verification, std::string_view message) {
    std::visit(
        [&verification](const auto& decoded) {
            if constexpr (requires { verification.take(decoded); }) {
                verification.take(decoded);
            }
        },
        decode(message));
}

std::vector<std::string> differingLabels(const Verification& verification) {
    std::vector<std::string> labels;
    for (const VerifiedItem& item : verification.items()) {
        if (item.differs()) {
            labels.push_back(item.label);
        }
    }
    return labels;
}

const std::vector<std::string> kAllLabels{"PS 1", "PS 2", "PS 3", "PS 4",   "PS 5", "PS 6",
                                          "PS 7", "PS 8", "PS 9", "PS 10",  "RT 1", "RT 2",
                                          "RT 3", "RT 4", "RT 5", "Decoder"};

struct AnswerCase {
    const char* name;
    std::vector<std::string> answer;
    std::vector<std::string> differing;
    std::string summary;
};

class AnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTest, FindsTheItemsThatDiffer) {
    Verification verification = verificationOfTheDocument();
    for (const std::string& message : GetParam().answer) {
        give(verification, message);
    }
    EXPECT_EQ(differingLabels(verification), GetParam().differing);
    EXPECT_EQ(verification.differences(), static_cast<int>(GetParam().differing.size()));
    EXPECT_EQ(verification.summary(), GetParam().summary);
}

const std::string kEqual = "De encoder bevat precies wat het document aangeeft.";

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerTest,
    testing::ValuesIn(std::vector<AnswerCase>{
        {"AllEqual", answerWithout(), {}, kEqual},
        {"PsFlagDiffers", plus(answerWithout(), {"P0RADIO 1 0"}), {"PS 1"}, "1 verschil gevonden."},
        {"LastOfTwiceCounts", plus(answerWithout(), {"P0RADIO 1 0", "P0RADIO 1 1"}), {}, kEqual},
        {"MissingRtEntry", answerWithout({"R2"}), {"RT 3"}, "1 verschil gevonden."},
        {"DecoderFieldOutOfRange",
         plus(answerWithout(), {"D99005004030"}),
         {"Decoder"},
         "1 verschil gevonden."},
        {"DecoderLongerThanItsLayout",
         plus(answerWithout(), {"D10005004030X"}),
         {"Decoder"},
         "1 verschil gevonden."},
        {"ShortEntryMessages",
         plus(answerWithout(), {"P1TOP4", "R0", "D"}),
         {"PS 2", "RT 1", "Decoder"},
         "3 verschillen gevonden."},
        // A read-out takes a non-digit as entry 0; read that way, these would
        // fill the entry 0 the encoder left out, or lie outside the set.
        {"WrongEntryDigitsIgnored",
         plus(answerWithout({"P0", "R0"}),
              {"P", "PXRADIO 1 1", "P:RADIO 1 1",
               "RA" + std::string(payloadOfEntry(0, kRtSet, station::kRadiotextLayout)),
               "R5" + std::string(65, ' '), "R7" + std::string(65, ' ')}),
         {"PS 1", "RT 1"},
         "2 verschillen gevonden."},
        {"OtherMessagesIgnored",
         plus(answerWithout({"P3", "D"}), {"I12120302RX-UNIT1", "S", "", "G", "XP3A^B     1"}),
         {"PS 4", "Decoder"},
         "2 verschillen gevonden."},
        {"NothingReceived", {}, kAllLabels, "16 verschillen gevonden."},
    }),
    fakes::ByCaseName());

TEST(Verification, ShortSetsExpectShortPayloads) {
    Verification verification(kPsSet.substr(0, 15), "", {"32", "", "", ""});
    const std::vector<VerifiedItem>& items = verification.items();
    EXPECT_EQ(items[0].expected, "RADIO 1 1");
    EXPECT_EQ(items[1].expected, "TOP4");
    EXPECT_EQ(items[2].expected, "");
    EXPECT_EQ(items[14].expected, "");
    EXPECT_EQ(items[15].expected, "00000000000");

    give(verification, "P1TOP4");
    give(verification, "P2        0");
    give(verification, "R4");
    EXPECT_FALSE(items[1].differs());
    EXPECT_TRUE(items[2].differs());
    EXPECT_FALSE(items[14].differs());
}

TEST(Verification, ListsWhatTheEncoderDidNotSend) {
    Verification verification = verificationOfTheDocument();
    EXPECT_EQ(verification.missing(), kAllLabels);
    EXPECT_FALSE(verification.decoderReceived());

    for (const std::string& message : answerWithout({"R2", "P9"})) {
        give(verification, message);
    }
    EXPECT_TRUE(verification.decoderReceived());
    EXPECT_EQ(verification.missing(), (std::vector<std::string>{"PS 10", "RT 3"}));
    EXPECT_EQ(verification.items()[12].received, std::nullopt);
    EXPECT_EQ(verification.items()[0].received, "RADIO 1 1");
}

} // namespace
} // namespace velmora::link
