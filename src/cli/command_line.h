#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora::cli {

// The exit status for a command line that velmora-cli does not understand.
inline constexpr int kWrongUse = 64;

enum class Command { Fill, Verify, ReadOut };

// What the command line asks for.
struct Request {
    Command command = Command::Fill;
    // The station file to fill or compare with; empty for a read-out.
    std::string stationFile{};
    // The ports to reach; empty for the encoders of the list that take part.
    std::vector<int> ports{};
    // A fill compares what the encoder holds afterwards.
    bool verifyAfterFill = false;
    // Where a read-out goes; empty for standard output.
    std::string outputFile{};

    bool operator==(const Request&) const = default;
};

enum class Information { Help, Version };

// Why the command line is wrong, in one Dutch sentence.
struct WrongUse {
    std::string message;

    bool operator==(const WrongUse&) const = default;
};

using ParsedCommandLine = std::variant<Request, Information, WrongUse>;

// The arguments after the program's name.
ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

// "vullen", "controleren", "uitlezen".
std::string_view commandName(Command command);

// What --help shows.
std::string_view usageText();

} // namespace velmora::cli
