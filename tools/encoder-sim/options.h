#pragma once

#include "encoder.h"

#include <cstddef>
#include <string>

namespace velmora::encodersim {

struct Options {
    int port = 1;
    Identity identity;
    bool demoContent = false;
    bool replaceLink = false;
    bool printStateAtExit = false;
    // Faults
    bool silent = false;
    bool signsOff = true;
    int readOutLimit = Encoder::readOutMessages;
    std::size_t noiseBytes = 0;
    std::size_t burstBytes = 0;
    int vanishAfter = 0; // 0: never
};

struct ParsedOptions {
    Options options;
    bool showHelp = false;
    std::string error; // empty when the command line was understood
};

ParsedOptions parseOptions(int argc, char** argv);
std::string usage(const std::string& program);

} // namespace velmora::encodersim
