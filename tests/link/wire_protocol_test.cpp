#include "fakes/param_names.h"
#include "link/wire_protocol.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using fakes::PrintTo;
using station::compose;
using station::EntryInput;

const std::string kFullPs =
    compose({{"RADIO 1", true}, {}, {}, {"A^B", false}}, station::kProgrammeServiceLayout);
const std::string kFullRt = compose({}, station::kRadiotextLayout);

DecoderValues decoder(std::string type, std::string af, std::string ps, std::string rt) {
    return {std::move(type), std::move(af), std::move(ps), std::move(rt)};
}

struct FrameCase {
    const char* name;
    std::string built;
    std::string expected;
};

class FrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameTest, GoesOnTheLineByteForByte) {
    EXPECT_EQ(GetParam().built, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameTest,
    testing::ValuesIn(std::vector<FrameCase>{
        {"Greeting", std::string(kGreetingFrame), "\x5E\x42\x5EI\x5E\x45"},
        {"ReadRequest", std::string(kReadRequest), "^B^G^E"},
        {"DisconnectRequest", std::string(kDisconnectRequest), "^B^S^E"},
        {"PsFirstEntry", programmeServiceFrame(0, kFullPs), "^B^P0RADIO 1 1^E"},
        {"PsCaretGoesOutUnchanged", programmeServiceFrame(3, kFullPs), "^B^P3A^B     0^E"},
        {"PsLastEntry", programmeServiceFrame(9, kFullPs), "^B^P9        0^E"},
        {"PsEmptySet", programmeServiceFrame(9, ""), "^B^P9^E"},
        {"PsShortSet", programmeServiceFrame(0, kFullPs.substr(0, 4)), "^B^P0RADI^E"},
        {"RtLastEntry", radiotextFrame(4, kFullRt), "^B^R4" + std::string(64, ' ') + "0^E"},
        {"RtEmptySet", radiotextFrame(4, ""), "^B^R4^E"},
        {"Decoder", decoderFrame(decoder("10", "5", "4", "30")), "^B^D10005004030^E"},
        {"DecoderHighest", decoderFrame(decoder("31", "204", "120", "7")), "^B^D31204120007^E"},
        {"DecoderAboveRange", decoderFrame(decoder("32", "205", "121", "999")),
         "^B^D00000000000^E"},
        {"DecoderNeverWritten", decoderFrame({}), "^B^D00000000000^E"},
        {"DecoderNegative", decoderFrame(decoder("-5", "-5", "-5", "-5")), "^B^D00000000000^E"},
        {"Pi4660", piFrame(4660), "\x5E\x42\x5E\x41\x34\x12\x5E\x45"},
        {"Pi1", piFrame(1), std::string("^B^A\x01\x00^E", 8)},
        {"Pi256KeepsLowByteZero", piFrame(256), std::string("^B^A\x00\x01^E", 8)},
        {"Pi0SentAs1", piFrame(0), std::string("^B^A\x01\x00^E", 8)},
        {"Pi65535", piFrame(65535), "^B^A\xFF\xFF^E"},
    }),
    fakes::ByCaseName());

struct PiTextCase {
    const char* name;
    std::string text;
    std::uint16_t code;
};

class PiTextTest : public testing::TestWithParam<PiTextCase> {};

TEST_P(PiTextTest, KeepsTheLow16BitsAndNeverZero) {
    EXPECT_EQ(piCodeFromText(GetParam().text), GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    PiTexts, PiTextTest,
    testing::ValuesIn(std::vector<PiTextCase>{
        {"PlainNumber", "4660", 4660},
        {"EmptyTextSentAs1", "", 1},
        {"ZeroSentAs1", "000", 1},
        {"Highest", "65535", 65535},
        {"LowBitsZeroSentAs1", "65536", 1},
        {"WrapsToOne", "65537", 1},
        {"KeepsTheLowBits", "70000", 4464},
        {"HalfRoundsUp", "12.5", 13},
        {"BelowHalfRoundsDown", "12.4", 12},
        {"NegativeWrapsAround", "-5", 65531},
        {"LettersSentAs1", "abc", 1},
        // 10^500 - 1: every multiple of 2^16 drops out, so the low bits are all ones.
        {"FiveHundredNines", std::string(500, '9'), 65535},
        {"PowerOfTenWithZeroLowBits", "1" + std::string(499, '0'), 1},
        {"ThirtyDigits", "123456789012345678901234567890", 0x0AD2},
    }),
    fakes::ByCaseName());

TEST(MessageLayout, IdentificationPartsByPosition) {
    const HardwareIdentity full = std::get<Identification>(decode("I12120302RX-UNIT1")).identity;
    EXPECT_EQ(full.version, "1.2");
    EXPECT_EQ(full.updateDate, "12-03-02");
    EXPECT_EQ(full.name, "RX-UNIT1");
    const HardwareIdentity cut = std::get<Identification>(decode("I121203")).identity;
    EXPECT_EQ(cut.version, "1.2");
    EXPECT_EQ(cut.updateDate, "12-03-");
    EXPECT_EQ(cut.name, "");
}

TEST(MessageLayout, EntryNumberAndPayload) {
    const auto entry = [](std::string_view message) {
        return std::get<EntryAnswer>(decode(message));
    };
    EXPECT_EQ(entry("P3RADIO 1 1").number(), 3);
    EXPECT_EQ(entry("PXRADIO 1 1").number(), 0);
    EXPECT_EQ(entry("PXRADIO 1 1").digit, std::nullopt);
    EXPECT_EQ(entry("P").number(), 0);
    EXPECT_EQ(entry("P3RADIO 1 1tail").payload, "RADIO 1 1");
    EXPECT_EQ(entry("P3RA").payload, "RA");
    EXPECT_EQ(entry("R2" + std::string(70, 'x')).payload.size(), 65U);
    EXPECT_EQ(entry("R2").set, station::SetKind::Radiotext);
    EXPECT_TRUE(std::holds_alternative<SignOff>(decode("S")));
    EXPECT_TRUE(std::holds_alternative<OtherMessage>(decode("")));
    EXPECT_TRUE(std::holds_alternative<OtherMessage>(decode("p3RADIO 1 1")));
    EXPECT_EQ(std::get<DecoderAnswer>(decode("D10005004030xx")).fields.rtIntervalSeconds, "030");
}

} // namespace
} // namespace velmora::link
