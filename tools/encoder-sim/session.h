#pragma once

#include "encoder.h"
#include "frame_reader.h"
#include "line.h"
#include "options.h"

#include <chrono>
#include <ostream>
#include <random>
#include <string_view>
#include <vector>

namespace velmora::encodersim {

// The encoder at work on its line: acts on every unit the program sends,
// applies the fault switches to its answers and logs every frame in both
// directions with the milliseconds since start.
class Session {
public:
    Session(const Options& options, Line& line, std::ostream& log);

    // Returns false once the encoder has vanished from the line.
    bool handle(const std::vector<Received>& units);
    void printState();
    void log(std::string_view text);

private:
    bool handle(const Received& unit);
    void send(const std::string& frame);
    void sendBurst();
    // Random bytes, any value but the one given.
    std::string randomBytes(std::size_t count, char never);

    const Options& options_;
    Line& line_;
    std::ostream& log_;
    Encoder encoder_;
    int framesReceived_ = 0;
    bool burstSent_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::mt19937 random_{std::random_device{}()};
};

} // namespace velmora::encodersim
