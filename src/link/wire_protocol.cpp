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
    return entryFrame(letters::kProgrammeService, entry, psSet, station::kProgrammeServiceLayout);
}

std::string radiotextFrame(int entry, std::string_view rtSet) {
    return entryFrame(letters::kRadiotext, entry, rtSet, station::kRadiotextLayout);
}

std::string radiotextPayloadFrame(int entry, std::string_view payload) {
    return entryFrame(letters::kRadiotext, entry, payload);
}

std::string_view payloadOfEntry(int entry, std::string_view set, const station::SetLayout& layout) {
    const auto offset = static_cast<std::size_t>(entry * layout.entryWidth());
    return part(set, offset, widths::entryPayload(layout));
}

std::string decoderFrame(const DecoderValues& values) {
    return frame(letters::kDecoder, decoderPayload(values));
}

std::string decoderPayload(const DecoderValues& values) {
    return decoderField(values.programmeType, station::kProgrammeTypeCount - 1,
                        widths::kProgrammeType) +
           decoderField(values.frequencyCode, station::kHighestFrequencyCode,
                        widths::kFrequencyCode) +
           decoderField(values.psIntervalSeconds, station::kPsIntervalRange.longestSeconds,
                        widths::kInterval) +
           decoderField(values.rtIntervalSeconds, station::kRtIntervalRange.longestSeconds,
                        widths::kInterval);
}

std::uint16_t piCodeFromText(std::string_view text) {
    const std::uint16_t code = settings::low16BitsOfNumber(text);
    return code == 0 ? 1 : code;
}

std::string piFrame(std::uint16_t piCode) {
    const std::uint16_t code = piCode == 0 ? 1 : piCode;
    const std::string bytes{static_cast<char>(code & 0xFFU), static_cast<char>(code >> 8U)};
    return frame(letters::kPiCode, bytes);
}

namespace {

// Reads the parts of a message one after the other, each as many of its
// characters as there are.
class MessageReader {
public:
    explicit MessageReader(std::string_view message) : message_(message) {}

    std::string_view next(std::size_t width) {
        const std::string_view taken = part(message_, at_, width);
        at_ += width;
        return taken;
    }

private:
    std::string_view message_;
    std::size_t at_ = 1; // after the command letter
};

Identification identificationOf(std::string_view message) {
    MessageReader reader(message);
    const std::string_view major = reader.next(widths::kVersionDigit);
    const std::string_view minor = reader.next(widths::kVersionDigit);
    const std::string_view day = reader.next(widths::kDateGroup);
    const std::string_view month = reader.next(widths::kDateGroup);
    const std::string_view year = reader.next(widths::kDateGroup);
    HardwareIdentity identity;
    identity.version = std::string(major) + "." + std::string(minor);
    identity.updateDate = std::string(day) + "-" + std::string(month) + "-" + std::string(year);
    identity.name = reader.next(widths::kHardwareName);
    return {std::move(identity)};
}

EntryAnswer entryOf(station::SetKind set, std::string_view message) {
    MessageReader reader(message);
    const std::string_view digit = reader.next(widths::kEntryDigit);
    std::optional<int> number;
    if (!digit.empty() && digit[0] >= '0' && digit[0] <= '9') {
        number = digit[0] - '0';
    }
    return {set, number, reader.next(widths::entryPayload(station::layoutOf(set)))};
}

DecoderAnswer decoderOf(std::string_view message) {
    MessageReader reader(message);
    DecoderFields fields;
    fields.programmeType = reader.next(widths::kProgrammeType);
    fields.frequencyCode = reader.next(widths::kFrequencyCode);
    fields.psIntervalSeconds = reader.next(widths::kInterval);
    fields.rtIntervalSeconds = reader.next(widths::kInterval);
    return {message.substr(1), fields};
}

} // namespace

Message decode(std::string_view message) {
    switch (message.empty() ? '\0' : message.front()) {
    case letters::kIdentification:
        return identificationOf(message);
    case letters::kSignOff:
        return SignOff{};
    case letters::kProgrammeService:
        return entryOf(station::SetKind::ProgrammeService, message);
    case letters::kRadiotext:
        return entryOf(station::SetKind::Radiotext, message);
    case letters::kDecoder:
        return decoderOf(message);
    default:
        return OtherMessage{};
    }
}

std::string trimmed(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(field.substr(first, field.find_last_not_of(' ') - first + 1));
}

} // namespace velmora::link
