#pragma once

#include "settings/decoder_settings.h"
#include "station/station_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::link {

// Every frame on the line, in both directions, is a start mark, a command
// letter, a payload and an end mark. The marks are printable text: a caret and
// an upper-case letter, not control bytes.
inline constexpr char kCaret = '^';
inline constexpr char kStartLetter = 'B';
inline constexpr char kEndLetter = 'E';

inline constexpr std::string_view kGreetingFrame = "^B^I^E";
inline constexpr std::string_view kReadRequest = "^B^G^E";
inline constexpr std::string_view kDisconnectRequest = "^B^S^E";

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

// What the encoder sends: the characters between its marks, carets left out.
// The first character tells the kind.
enum class MessageKind {
    Identification,
    SignOff,
    ProgrammeServiceEntry,
    RadiotextEntry,
    Decoder,
    Other
};
MessageKind kindOf(std::string_view message);

struct HardwareIdentity {
    std::string version;    // "1.2"
    std::string updateDate; // "12-03-02"
    std::string name;       // eight characters
};
// Missing characters of a short message leave their parts empty.
HardwareIdentity identityFrom(std::string_view identificationMessage);

// The entry number of a PS or RT entry message: its second character as a
// digit, any other character reading as 0.
int entryNumberOf(std::string_view entryMessage);
// The same digit, or nothing when the second character is missing or no digit.
std::optional<int> entryDigitOf(std::string_view entryMessage);
// The name and active flag of the entry, as many of them as the message holds.
std::string_view entryPayloadOf(std::string_view entryMessage, const station::SetLayout& layout);

struct DecoderFields {
    std::string_view programmeType;
    std::string_view frequencyCode;
    std::string_view psIntervalSeconds;
    std::string_view rtIntervalSeconds;
};
DecoderFields decoderFieldsOf(std::string_view decoderMessage);

} // namespace velmora::link
