#include "encoder.h"

#include "printable.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace velmora::encodersim {

namespace {

std::string frame(char command, const std::string& body) {
    return "^B^" + (command + body) + "^E";
}

// The entry digit of a PS or RT body, if it names an entry of a table of this size.
std::optional<std::size_t> entryOf(const std::string& body, std::size_t entries) {
    if (body.empty() || body[0] < '0' || body[0] >= static_cast<char>('0' + entries)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(body[0] - '0');
}

std::string hex16(std::uint16_t value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "0x%04X", value);
    return text.data();
}

} // namespace

Encoder::Encoder(Identity identity, bool signsOff, int readOutLimit, int corruptAnswer)
    : identity_(std::move(identity)), signsOff_(signsOff), readOutLimit_(readOutLimit),
      corruptAnswer_(corruptAnswer), decoder_("00000003025") {
    ps_.fill(std::string(8, ' ') + '0');
    rt_.fill(std::string(64, ' ') + '0');
}

Encoder::Response Encoder::respond(const Received& received) {
    const std::string& body = received.body;
    switch (received.command) {
    case 'I':
        return {"greeting", {frame('I', identity_.version + identity_.date + identity_.name)}};
    case 'G':
        return {"read request", readOut()};
    case 'S':
        if (!signsOff_) {
            return {"disconnect request (not signing off)", {}};
        }
        return {"disconnect request", {frame('S', "")}};
    case 'P':
        if (const auto entry = entryOf(body, ps_.size())) {
            return store("PS entry " + body.substr(0, 1), ps_[*entry], body.substr(1));
        }
        return {"PS frame with an entry digit outside 0-9: ignored", {}};
    case 'R':
        if (const auto entry = entryOf(body, rt_.size())) {
            return store("RT entry " + body.substr(0, 1), rt_[*entry], body.substr(1));
        }
        return {"RT frame with an entry digit outside 0-4: ignored", {}};
    case 'D':
        return store("decoder information", decoder_, body);
    case 'A': {
        const auto low = static_cast<unsigned char>(body[0]);
        const auto high = static_cast<unsigned char>(body[1]);
        pi_ = static_cast<std::uint16_t>(high << 8 | low);
        return {"PI " + hex16(*pi_) + " (" + std::to_string(*pi_) + ") stored", {}};
    }
    default:
        return {"unknown command", {}};
    }
}

Encoder::Response Encoder::store(std::string kind, std::string& slot, const std::string& payload) {
    slot = payload;
    return {std::move(kind) + " stored: " + printable(payload), {}};
}

std::vector<std::string> Encoder::readOut() const {
    std::vector<std::string> frames;
    for (std::size_t entry = 0; entry < ps_.size(); ++entry) {
        frames.push_back(frame('P', std::to_string(entry) + ps_[entry]));
    }
    for (std::size_t entry = 0; entry < rt_.size(); ++entry) {
        frames.push_back(frame('R', std::to_string(entry) + rt_[entry]));
    }
    frames.push_back(frame('D', decoder_));
    if (corruptAnswer_ > 0) {
        // The character before the end mark: an entry's active flag, or the
        // last digit of the decoder information. An entry without a payload
        // gets one, so that its entry digit stays as it was.
        std::string& corrupted = frames[static_cast<std::size_t>(corruptAnswer_ - 1)];
        const std::size_t headerSize = corruptAnswer_ <= 15 ? 5 : 4; // "^B^P3", "^B^D"
        if (corrupted.size() == headerSize + 2) {
            corrupted = corrupted.substr(0, headerSize) + '1' + corrupted.substr(headerSize);
        } else {
            char& last = corrupted[corrupted.size() - 3];
            last = last == '1' ? '0' : last == '9' ? '0' : static_cast<char>(last + 1);
        }
    }
    frames.resize(std::min(frames.size(), static_cast<std::size_t>(readOutLimit_)));
    return frames;
}

void Encoder::loadDemoContent() {
    const auto entry = [](std::string text, std::size_t width, char flag) {
        text.resize(width, ' ');
        return text + flag;
    };
    ps_.fill(entry("", 8, '0'));
    ps_[0] = entry("RADIO 1", 8, '1');
    ps_[1] = entry("NIEUWS", 8, '1');
    ps_[2] = entry("VERKEER", 8, '0');
    rt_.fill(entry("", 64, '0'));
    rt_[0] = entry("Welkom bij Radio 1, de stem van de regio", 64, '1');
    rt_[1] = entry("Elk heel uur het nieuws", 64, '1');
    decoder_ = "10005004030";
}

std::vector<std::string> Encoder::describeState() const {
    std::vector<std::string> lines;
    for (std::size_t entry = 0; entry < ps_.size(); ++entry) {
        lines.push_back("ps " + std::to_string(entry) + ' ' + printable(ps_[entry]));
    }
    for (std::size_t entry = 0; entry < rt_.size(); ++entry) {
        lines.push_back("rt " + std::to_string(entry) + ' ' + printable(rt_[entry]));
    }
    lines.push_back("decoder " + printable(decoder_));
    lines.push_back("pi " + (pi_ ? hex16(*pi_) : std::string("none")));
    return lines;
}

} // namespace velmora::encodersim
