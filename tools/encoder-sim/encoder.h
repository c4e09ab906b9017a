#pragma once

#include "frame_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::encodersim {

// What the encoder says about itself in its identification frame.
struct Identity {
    std::string version = "12";    // major and minor digit
    std::string date = "120302";   // three 2-character groups
    std::string name = "RDS-SIM1"; // 8 characters
};

// The encoder's memory and its answers to the program's requests.
class Encoder {
public:
    struct Response {
        std::string description;         // what the frame was and what became of it
        std::vector<std::string> frames; // the answer, in order
    };

    static constexpr int readOutMessages = 16; // 10 PS, 5 RT, 1 decoder

    // corruptAnswer: the number (1 to 16) of the read-out answer that goes
    // out with its last character changed; 0 for none.
    Encoder(Identity identity, bool signsOff, int readOutLimit, int corruptAnswer = 0);

    Response respond(const Received& frame);
    // Sample station content, so that a read-out shows something.
    void loadDemoContent();
    // The stored content as lines "ps 3 "RADIO 1 1"", "pi 0x1234", ...
    std::vector<std::string> describeState() const;

private:
    Response store(std::string kind, std::string& slot, const std::string& payload);
    std::vector<std::string> readOut() const;

    Identity identity_;
    bool signsOff_;
    int readOutLimit_;
    int corruptAnswer_;
    std::array<std::string, 10> ps_;
    std::array<std::string, 5> rt_;
    std::string decoder_;
    std::optional<std::uint16_t> pi_;
};

} // namespace velmora::encodersim
