#pragma once

#include "fakes/encoder_frames.h"
#include "fakes/fake_serial_line.h"
#include "link/wire_protocol.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velmora::fakes {

// How an encoder played by FakeEncoder behaves.
struct EncoderBehaviour {
    bool answers = true;  // false: silent, as an encoder that is switched off
    bool signsOff = true; // answers the disconnect request
    // The answer to a read request that comes back with one character
    // changed, 1 to 16; 0 for none.
    int corruptAnswer = 0;
    // How many of the sixteen answers it sends.
    int answerCount = 16;
    // The line vanishes after this many frames of a fill; 0 for never.
    int vanishAfterFillFrames = 0;
};

// An encoder on a fake line: it answers the greeting, keeps the frames a
// fill sends, answers a read request with them and signs off when asked.
class FakeEncoder {
public:
    FakeEncoder(FakeSerialLine& line, EncoderBehaviour behaviour)
        : line_(line), behaviour_(behaviour) {}

    // What it holds before any fill: the frames of a fill.
    void hold(std::vector<std::string> frames) { held_ = std::move(frames); }
    const std::vector<std::string>& held() const { return held_; }

    // Takes every frame written to it since the last call, and answers.
    void react() {
        const std::vector<std::string> frames = line_.writes();
        line_.clearWrites();
        for (const std::string& frame : frames) {
            take(frame);
        }
    }

private:
    void take(const std::string& frame) {
        if (!behaviour_.answers) {
            return;
        }
        if (frame == link::kGreetingFrame) {
            filling_.clear();
            line_.receive(kIdentificationFrame);
        } else if (frame == link::kReadRequest) {
            answerReadRequest();
        } else if (frame == link::kDisconnectRequest) {
            if (behaviour_.signsOff) {
                line_.receive(kSignOffFrame);
            }
        } else if (frame.starts_with("^B^P") || frame.starts_with("^B^R") ||
                   frame.starts_with("^B^D")) {
            filling_.push_back(frame);
            if (filling_.size() == static_cast<std::size_t>(behaviour_.vanishAfterFillFrames)) {
                line_.vanish();
            } else if (filling_.size() == 16) {
                held_ = std::move(filling_);
                filling_.clear();
            }
        }
    }

    void answerReadRequest() {
        for (std::size_t answer = 0;
             answer < held_.size() && answer < static_cast<std::size_t>(behaviour_.answerCount);
             ++answer) {
            std::string frame = held_[answer];
            if (static_cast<std::size_t>(behaviour_.corruptAnswer) == answer + 1) {
                frame[frame.size() - 3] = frame[frame.size() - 3] == 'X' ? 'Y' : 'X';
            }
            line_.receive(frame);
        }
    }

    FakeSerialLine& line_;
    EncoderBehaviour behaviour_;
    std::vector<std::string> held_;
    std::vector<std::string> filling_;
};

} // namespace velmora::fakes
