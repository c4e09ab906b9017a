#pragma once

#include "encoder.h"

#include <cstddef>
#include <optional>
#include <string>

namespace velmora::encodersim {

struct Options {
    int port = 1;
    std::optional<int> tcpPort; // listen on 127.0.0.1:tcpPort instead of a pseudo-terminal
    Identity identity;
    bool demoContent = false;
    bool replaceLink = false;
    bool printStateAtExit = false;
    // Faults
    bool silent = false;
    bool signsOff = true;
    int readOutLimit = Encoder::readOutMessages;
    int corruptAnswer = 0; // 0: none
    std::size_t noiseBytes = 0;
    std::size_t burstBytes = 0;
    int vanishAfter = 0; // 0: never
};

struct ParsedOptions {
    Options options;
    bool showHelp = false;
    bool showVersion = false;
    std::string error; // empty when the command line was understood
};

ParsedOptions parseOptions(int argc, char** argv);
std::string usage(const std::string& program);

} // namespace velmora::encodersim
