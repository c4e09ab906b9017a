#pragma once

#include "settings/decoder_settings.h"
#include "station/document.h"
#include "station/station_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velmora::link {

// Every frame on the line, in both directions, is a start mark, a command
// letter, a payload and an end mark. The marks are printable text: a caret and
// an upper-case letter, not control bytes.
inline constexpr char kCaret = '^';
inline constexpr char kStartLetter = 'B';
inline constexpr char kEndLetter = 'E';

// The command letters, which tell what a frame or a message is.
namespace letters {
inline constexpr char kIdentification = 'I'; // the greeting, and the encoder's answer to it
inline constexpr char kSignOff = 'S';        // the disconnect request, and the encoder's answer
inline constexpr char kRead = 'G';           // the read request
inline constexpr char kProgrammeService = 'P';
inline constexpr char kRadiotext = 'R';
inline constexpr char kDecoder = 'D';
inline constexpr char kPiCode = 'A';
} // namespace letters

// The widths of the payloads that follow a command letter.
namespace widths {
inline constexpr std::size_t kEntryDigit = 1;
// A PS or RT entry's payload: its name and its active flag.
constexpr std::size_t entryPayload(const station::SetLayout& layout) {
    return static_cast<std::size_t>(layout.nameWidth) + 1;
}
// The decoder payload: programme type, frequency code, PS and RT interval in seconds.
inline constexpr std::size_t kProgrammeType = 2;
inline constexpr std::size_t kFrequencyCode = 3;
inline constexpr std::size_t kInterval = 3;
// The identification: version major and minor digit, the update date as
// three two-digit groups, the hardware name.
inline constexpr std::size_t kVersionDigit = 1;
inline constexpr std::size_t kDateGroup = 2;
inline constexpr std::size_t kHardwareName = 8;
} // namespace widths

inline constexpr std::string_view kGreetingFrame = "^B^I^E";
inline constexpr std::string_view kReadRequest = "^B^G^E";
inline constexpr std::string_view kDisconnectRequest = "^B^S^E";
static_assert(kGreetingFrame[3] == letters::kIdentification && kReadRequest[3] == letters::kRead &&
              kDisconnectRequest[3] == letters::kSignOff);

// Frames of a fill. The entry's payload is its name and active flag, cut from
// the set as it stands: a short set gives a short payload, down to nothing.
std::string programmeServiceFrame(int entry, std::string_view psSet);
std::string radiotextFrame(int entry, std::string_view rtSet);
// The payload alone: what the frame of the entry carries after its entry digit.
std::string_view payloadOfEntry(int entry, std::string_view set, const station::SetLayout& layout);
// An RT frame with a payload of its own, such as the live text, for entry 0 to 4.
std::string radiotextPayloadFrame(int entry, std::string_view payload);

using settings::DecoderValues;
// Each value goes out as a fixed-width decimal field, or as zeros when it lies
// outside its range.
std::string decoderFrame(const DecoderValues& values);
// The eleven characters of the decoder frame between its marks and command letter.
std::string decoderPayload(const DecoderValues& values);

// The programme identification code that the PI editor's text stands for: the
// low 16 bits of its number, 0 taken as 1 because the encoder never gets 0.
std::uint16_t piCodeFromText(std::string_view text);
// Eight bytes: the marks, the low byte, the high byte. A code of 0 goes out as 1.
std::string piFrame(std::uint16_t piCode);

// What the encoder sends: the characters between its marks, carets left
// out, decoded once by their first character. Missing characters of a short
// message leave their parts empty; the views point into the message.
// A field of the identification without the spaces that pad it.
std::string trimmed(std::string_view field);

struct HardwareIdentity {
    std::string version;    // "1.2"
    std::string updateDate; // "12-03-02"
    std::string name;       // eight characters
};
struct Identification {
    HardwareIdentity identity;
};
struct SignOff {};
// A PS or RT entry, the answer to a read request.
struct EntryAnswer {
    station::SetKind set;
    // The second character as a digit; nothing when it is missing or no digit.
    std::optional<int> digit;
    // The name and active flag of the entry, as many of them as the message holds.
    std::string_view payload;

    // As a read-out takes it: any character that is no digit reads as entry 0.
    int number() const { return digit.value_or(0); }
};
struct DecoderFields {
    std::string_view programmeType;
    std::string_view frequencyCode;
    std::string_view psIntervalSeconds;
    std::string_view rtIntervalSeconds;
};
// The decoder information, the last answer to a read request.
struct DecoderAnswer {
    // Everything after the command letter, also beyond the fields.
    std::string_view payload;
    DecoderFields fields;
};
// Empty, or of a kind the program does not know.
struct OtherMessage {};

using Message = std::variant<OtherMessage, Identification, SignOff, EntryAnswer, DecoderAnswer>;
Message decode(std::string_view message);

} // namespace velmora::link
