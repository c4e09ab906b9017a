#include "link/wire_protocol.h"

#include "settings/number_in_text.h"

namespace velmora::link {
namespace {

// Characters "from, length" of a text, as many as exist.
std::string_view part(std::string_view text, std::size_t from, std::size_t length) {
    return from < text.size() ? text.substr(from, length) : std::string_view{};
}

std::string frame(char command, std::string_view body) {
    std::string text;
    text.reserve(body.size() + 5);
    text += kCaret;
    text += kStartLetter;
    text += kCaret;
    text += command;
    text += body;
    text += kCaret;
    text += kEndLetter;
    return text;
}

std::size_t payloadWidth(const station::SetLayout& layout) {
    return static_cast<std::size_t>(layout.nameWidth) + 1;
}

std::string entryFrame(char command, int entry, std::string_view payload) {
    std::string body(1, static_cast<char>('0' + entry));
    body += payload;
    return frame(command, body);
}

std::string entryFrame(char command, int entry, std::string_view set,
                       const station::SetLayout& layout) {
    return entryFrame(command, entry, payloadOfEntry(entry, set, layout));
}

// A decoder field: the value with leading zeros when it lies in 0 to highest.
std::string decoderField(std::string_view value, std::int64_t highest, std::size_t width) {
    const std::int64_t number = settings::numberFromText(value);
    std::string digits = number >= 0 && number <= highest ? std::to_string(number) : "0";
    digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

std::string programmeServiceFrame(int entry, std::string_view psSet) {
    return entryFrame('P', entry, psSet, station::kProgrammeServiceLayout);
}

std::string radiotextFrame(int entry, std::string_view rtSet) {
    return entryFrame('R', entry, rtSet, station::kRadiotextLayout);
}

std::string radiotextPayloadFrame(int entry, std::string_view payload) {
    return entryFrame('R', entry, payload);
}

std::string_view payloadOfEntry(int entry, std::string_view set, const station::SetLayout& layout) {
    const auto offset = static_cast<std::size_t>(entry * layout.entryWidth());
    return part(set, offset, payloadWidth(layout));
}

std::string decoderFrame(const DecoderValues& values) {
    return frame('D', decoderPayload(values));
}

std::string decoderPayload(const DecoderValues& values) {
    return decoderField(values.programmeType, station::kProgrammeTypeCount - 1, 2) +
           decoderField(values.frequencyCode, station::kHighestFrequencyCode, 3) +
           decoderField(values.psIntervalSeconds, station::kPsIntervalRange.longestSeconds, 3) +
           decoderField(values.rtIntervalSeconds, station::kRtIntervalRange.longestSeconds, 3);
}

std::uint16_t piCodeFromText(std::string_view text) {
    const std::uint16_t code = settings::low16BitsOfNumber(text);
    return code == 0 ? 1 : code;
}

std::string piFrame(std::uint16_t piCode) {
    const std::uint16_t code = piCode == 0 ? 1 : piCode;
    const std::string bytes{static_cast<char>(code & 0xFFU), static_cast<char>(code >> 8U)};
    return frame('A', bytes);
}

MessageKind kindOf(std::string_view message) {
    switch (message.empty() ? '\0' : message.front()) {
    case 'I':
        return MessageKind::Identification;
    case 'S':
        return MessageKind::SignOff;
    case 'P':
        return MessageKind::ProgrammeServiceEntry;
    case 'R':
        return MessageKind::RadiotextEntry;
    case 'D':
        return MessageKind::Decoder;
    default:
        return MessageKind::Other;
    }
}

HardwareIdentity identityFrom(std::string_view message) {
    HardwareIdentity identity;
    identity.version = std::string(part(message, 1, 1)) + "." + std::string(part(message, 2, 1));
    identity.updateDate = std::string(part(message, 3, 2)) + "-" +
                          std::string(part(message, 5, 2)) + "-" + std::string(part(message, 7, 2));
    identity.name = part(message, 9, 8);
    return identity;
}

int entryNumberOf(std::string_view message) {
    return entryDigitOf(message).value_or(0);
}

std::optional<int> entryDigitOf(std::string_view message) {
    const std::string_view digit = part(message, 1, 1);
    if (digit.empty() || digit[0] < '0' || digit[0] > '9') {
        return std::nullopt;
    }
    return digit[0] - '0';
}

std::string_view entryPayloadOf(std::string_view message, const station::SetLayout& layout) {
    return part(message, 2, payloadWidth(layout));
}

DecoderFields decoderFieldsOf(std::string_view message) {
    return {part(message, 1, 2), part(message, 3, 3), part(message, 6, 3), part(message, 9, 3)};
}

} // namespace velmora::link
