#include "frame_reader.h"

#include <optional>

namespace velmora::encodersim {

namespace {

constexpr std::string_view startMark = "^B";
constexpr std::string_view endMark = "^E";
constexpr std::size_t headerLength = 4; // "^B^" and the command letter

// Body length of a complete frame from the program, per command letter.
std::optional<std::size_t> fullBodyLength(char command) {
    switch (command) {
    case 'I': // greeting
    case 'G': // read request
    case 'S': // disconnect request
        return 0;
    case 'P':
        return 10; // entry digit, 8-character name, active flag
    case 'R':
        return 66; // entry digit, 64-character text, active flag
    case 'D':
        return 11; // programme type, AF code, PS and RT intervals
    case 'A':
        return 2; // PI low byte, high byte
    default:
        return std::nullopt;
    }
}

bool mayBeShort(char command) {
    return command == 'P' || command == 'R';
}

} // namespace

std::vector<Received> FrameReader::feed(std::string_view bytes) {
    pending_ += bytes;
    return take(false);
}

std::vector<Received> FrameReader::settle() {
    return take(true);
}

std::vector<Received> FrameReader::take(bool lineIsQuiet) {
    std::vector<Received> units;
    while (!pending_.empty() && takeNext(lineIsQuiet, units)) {
    }
    return units;
}

bool FrameReader::takeNext(bool lineIsQuiet, std::vector<Received>& out) {
    const std::size_t start = pending_.find(startMark);
    if (start != 0) {
        std::size_t strayLength = start;
        if (start == std::string::npos) {
            strayLength = pending_.size();
            // A trailing caret may be the first half of a start mark.
            if (!lineIsQuiet && pending_.back() == '^') {
                --strayLength;
            }
        }
        if (strayLength == 0) {
            return false;
        }
        out.push_back(cut(Received::Kind::Stray, strayLength));
        return true;
    }

    if (pending_.size() < headerLength) {
        if (!lineIsQuiet) {
            return false;
        }
        out.push_back(cut(Received::Kind::Malformed, pending_.size()));
        out.back().problem = "frame breaks off";
        return true;
    }

    const char command = pending_[3];
    const std::optional<std::size_t> full = fullBodyLength(command);
    if (pending_[2] != '^' || !full) {
        out.push_back(cut(Received::Kind::Malformed, nextStartFrom(2)));
        out.back().problem = "no known command after the start mark";
        return true;
    }

    const std::size_t fullLength = headerLength + *full + endMark.size();
    const bool wholeLengthArrived = pending_.size() >= fullLength;
    std::size_t length = 0;
    if (wholeLengthArrived &&
        pending_.compare(headerLength + *full, endMark.size(), endMark) == 0) {
        length = fullLength;
    } else if (!wholeLengthArrived && !lineIsQuiet) {
        return false;
    } else if (mayBeShort(command)) {
        const std::size_t end = pending_.find(endMark, headerLength);
        if (end != std::string::npos && end < headerLength + *full) {
            length = end + endMark.size();
        }
    }

    if (length == 0) {
        out.push_back(cut(Received::Kind::Malformed, nextStartFrom(2)));
        out.back().problem = std::string("a ^") + command + " frame holds " +
                             (mayBeShort(command) ? "at most " : "") + std::to_string(*full) +
                             " bytes before its end mark";
        return true;
    }
    Received frame = cut(Received::Kind::Frame, length);
    frame.command = command;
    frame.body = frame.raw.substr(headerLength, length - headerLength - endMark.size());
    out.push_back(std::move(frame));
    return true;
}

Received FrameReader::cut(Received::Kind kind, std::size_t length) {
    Received unit;
    unit.kind = kind;
    unit.raw = pending_.substr(0, length);
    pending_.erase(0, length);
    return unit;
}

std::size_t FrameReader::nextStartFrom(std::size_t position) const {
    const std::size_t next = pending_.find(startMark, position);
    return next == std::string::npos ? pending_.size() : next;
}

} // namespace velmora::encodersim
