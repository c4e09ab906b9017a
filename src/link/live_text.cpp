#include "link/live_text.h"

#include "platform/windows1252_table.h"
#include "station/station_settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::link {
namespace {

namespace windows1252 = platform::windows1252;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A letter for each character of a Latin block: the first letter of its
// decomposition (ǖ gives u, ǽ gives æ), else the letter its name builds on
// (ł is an l with stroke, ı a dotless i), and "?" where there is none.
struct BaseLetterBlock {
    char32_t first;
    std::u16string_view letters;
};

constexpr std::array kBaseLetterBlocks{
    // Latin Extended-A
    BaseLetterBlock{0x0100, u"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKk?LlLlLlL"
                            u"lLlNnNnNnn??OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"},
    // Latin Extended-B
    BaseLetterBlock{0x0180, u"bBBb???Cc?DDd????FfG???IKkl??NnOOo??Pp?????tTtTUu?VYyZz?????????"
                            u"????DDdLLlNNnAaIiOoUuUuUuUuUu?AaAaÆæGgGgKkOoOo??jDDdGg??NnAaÆæØø"
                            u"AaAaEeEeIiIiOoOoRrRrUuUuSsTt??HhNd??ZzAaEeOoOoOoOoYylntj??ACcLTs"
                            u"z??B??EeJj?qRrYy"},
    // Latin Extended Additional
    BaseLetterBlock{0x1E00, u"AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"
                            u"MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"
                            u"WwWwWwWwWwXxXxYyZzZzZzhtwyasss??AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"
                            u"EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy????Yy"},
};

char32_t baseLetterOf(char32_t c) {
    for (const BaseLetterBlock& block : kBaseLetterBlocks) {
        if (c >= block.first && c - block.first < block.letters.size()) {
            return block.letters[c - block.first];
        }
    }
    return U'?';
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isCombiningMark(char32_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// The byte a character takes in the payload, or nothing when it is dropped.
std::optional<char> payloadByteOf(char32_t c) {
    if (isControl(c)) {
        return ' ';
    }
    if (isCombiningMark(c)) {
        return std::nullopt;
    }
    const auto byte = windows1252::byteOf(c);
    return static_cast<char>(byte ? *byte : windows1252::byteOf(baseLetterOf(c)).value_or('?'));
}

unsigned char byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
}

struct SequenceStart {
    std::size_t length;
    // The range of the second byte, narrowed after some lead bytes so that no
    // overlong form, surrogate or code point above U+10FFFF gets through.
    unsigned char secondLow;
    unsigned char secondHigh;
};

std::optional<SequenceStart> sequenceStartingWith(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return SequenceStart{2, 0x80, 0xBF};
    }
    if (lead == 0xE0) {
        return SequenceStart{3, 0xA0, 0xBF};
    }
    if (lead == 0xED) {
        return SequenceStart{3, 0x80, 0x9F};
    }
    if (lead >= 0xE1 && lead <= 0xEF) {
        return SequenceStart{3, 0x80, 0xBF};
    }
    if (lead == 0xF0) {
        return SequenceStart{4, 0x90, 0xBF};
    }
    if (lead >= 0xF1 && lead <= 0xF3) {
        return SequenceStart{4, 0x80, 0xBF};
    }
    if (lead == 0xF4) {
        return SequenceStart{4, 0x80, 0x8F};
    }
    return std::nullopt;
}

// The characters of strict UTF-8, or nothing when the bytes are not UTF-8.
// With endMayBeCut, a sequence that the end of the bytes breaks off is dropped.
std::optional<std::u32string> decodedUtf8(std::string_view bytes, bool endMayBeCut) {
    std::u32string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = byteAt(bytes, i);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        const auto start = sequenceStartingWith(lead);
        if (!start) {
            return std::nullopt;
        }
        char32_t c = lead & (0x7Fu >> start->length);
        for (std::size_t k = 1; k < start->length; ++k) {
            if (i + k == bytes.size()) {
                return endMayBeCut ? std::optional(text) : std::nullopt;
            }
            const unsigned char next = byteAt(bytes, i + k);
            const unsigned char low = k == 1 ? start->secondLow : 0x80;
            const unsigned char high = k == 1 ? start->secondHigh : 0xBF;
            if (next < low || next > high) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3Fu);
        }
        text.push_back(c);
        i += start->length;
    }
    return text;
}

std::u32string decodedWindows1252(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(windows1252::unicodeOf(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::u32string firstLineOf(std::string_view fileStart) {
    fileStart = fileStart.substr(0, kLiveTextReadLimit);
    const bool readToLimit = fileStart.size() == kLiveTextReadLimit;
    if (fileStart.starts_with(kByteOrderMark)) {
        fileStart.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t lineEnd = fileStart.find_first_of("\r\n");
    const std::string_view line = fileStart.substr(0, lineEnd);
    if (auto utf8 = decodedUtf8(line, readToLimit && lineEnd == std::string_view::npos)) {
        return std::move(*utf8);
    }
    return decodedWindows1252(line);
}

} // namespace

std::string liveRadiotextPayload(std::string_view prefix, std::string_view fileStart) {
    std::string text;
    for (const std::u32string& characters : {decodedWindows1252(prefix), firstLineOf(fileStart)}) {
        for (const char32_t c : characters) {
            if (const auto byte = payloadByteOf(c)) {
                text.push_back(*byte);
            }
        }
    }
    return station::padName(text, station::kRadiotextLayout) + '1';
}

} // namespace velmora::link
