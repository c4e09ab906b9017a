#include "options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace velmora::encodersim {

namespace {

std::optional<long> number(std::string_view text, long lowest, long highest) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "1.2" -> "12"
std::optional<std::string> versionDigits(std::string_view text) {
    if (text.size() != 3 || !isDigit(text[0]) || text[1] != '.' || !isDigit(text[2])) {
        return std::nullopt;
    }
    return std::string{text[0], text[2]};
}

// "12-03-02" -> "120302"
std::optional<std::string> dateGroups(std::string_view text) {
    if (text.size() != 8 || text[2] != '-' || text[5] != '-') {
        return std::nullopt;
    }
    return std::string(text.substr(0, 2)) + std::string(text.substr(3, 2)) +
           std::string(text.substr(6, 2));
}

std::optional<std::string> hardwareName(std::string_view text) {
    if (text.size() > 8) {
        return std::nullopt;
    }
    std::string name(text);
    name.resize(8, ' ');
    return name;
}

template <typename Target, typename Value>
bool assign(Target& target, const std::optional<Value>& value) {
    if (!value) {
        return false;
    }
    target = static_cast<Target>(*value);
    return true;
}

using OptionFlag = bool Options::*;

struct Switch {
    std::string_view name;
    OptionFlag member;
    bool value;
};

const std::array<Switch, 5> switches{{
    {"--demo", &Options::demoContent, true},
    {"--replace", &Options::replaceLink, true},
    {"--state-at-exit", &Options::printStateAtExit, true},
    {"--silent", &Options::silent, true},
    {"--no-sign-off", &Options::signsOff, false},
}};

struct ValuedOption {
    std::string_view name;
    std::string_view expected;
    bool (*set)(Options&, std::string_view);
};

const std::array<ValuedOption, 10> valuedOptions{{
    {"--port", "a port number from 1 to 255",
     [](Options& o, std::string_view v) { return assign(o.port, number(v, 1, 255)); }},
    {"--tcp", "a TCP port from 0 to 65535",
     [](Options& o, std::string_view v) { return assign(o.tcpPort, number(v, 0, 65535)); }},
    {"--id-version", "a version such as 1.2",
     [](Options& o, std::string_view v) { return assign(o.identity.version, versionDigits(v)); }},
    {"--id-date", "a date such as 12-03-02",
     [](Options& o, std::string_view v) { return assign(o.identity.date, dateGroups(v)); }},
    {"--id-name", "a name of at most 8 characters",
     [](Options& o, std::string_view v) { return assign(o.identity.name, hardwareName(v)); }},
    {"--partial-readout", "a number of messages from 0 to 16",
     [](Options& o, std::string_view v) {
         return assign(o.readOutLimit, number(v, 0, Encoder::readOutMessages));
     }},
    {"--corrupt", "a message number from 1 to 16",
     [](Options& o, std::string_view v) {
         return assign(o.corruptAnswer, number(v, 1, Encoder::readOutMessages));
     }},
    {"--noise", "a number of bytes from 0 to 4096",
     [](Options& o, std::string_view v) { return assign(o.noiseBytes, number(v, 0, 4096)); }},
    {"--burst", "a number of bytes from 0 to 16777216",
     [](Options& o, std::string_view v) { return assign(o.burstBytes, number(v, 0, 1L << 24)); }},
    {"--vanish-after", "a number of frames, at least 1",
     [](Options& o, std::string_view v) { return assign(o.vanishAfter, number(v, 1, 1'000'000)); }},
}};

} // namespace

ParsedOptions parseOptions(int argc, char** argv) {
    ParsedOptions parsed;
    for (int index = 1; index < argc && parsed.error.empty(); ++index) {
        const std::string_view option = argv[index];
        const auto named = [&](const auto& entry) { return entry.name == option; };
        if (option == "--help" || option == "-h") {
            parsed.showHelp = true;
        } else if (option == "--version") {
            parsed.showVersion = true;
        } else if (const auto s = std::ranges::find_if(switches, named); s != switches.end()) {
            parsed.options.*(s->member) = s->value;
        } else if (const auto v = std::ranges::find_if(valuedOptions, named);
                   v != valuedOptions.end()) {
            if (index + 1 == argc) {
                parsed.error = std::string(option) + " needs a value";
            } else if (!v->set(parsed.options, argv[++index])) {
                parsed.error = std::string(option) + ": expected " + std::string(v->expected);
            }
        } else {
            parsed.error = "unknown option " + std::string(option);
        }
    }
    return parsed;
}

std::string usage(const std::string& program) {
    return "Usage: " + program + R"usage( [options]

A simulated Velmora encoder on a pseudo-terminal. It publishes itself as serial
port N through the link $XDG_CONFIG_HOME/velmora/ports/COMN (~/.config when
XDG_CONFIG_HOME is not set), where the program looks for port N. The link is
removed on exit (Ctrl+C, SIGTERM).

With --tcp it plays a serial device server instead: it listens on a raw TCP
port of 127.0.0.1 and the link points at tcp://127.0.0.1:PORT. It takes one
program at a time and closes any other connection at once.

It answers the greeting with its identification, stores every PS, RT, decoder
and PI frame, answers the read request with the stored 10 PS, 5 RT and 1
decoder messages and the disconnect request with its sign-off. Every frame it
receives or sends is printed with the milliseconds since start.

Options:
  --port N             publish as port N (default 1)
  --tcp PORT           listen on 127.0.0.1:PORT instead of opening a
                       pseudo-terminal, and publish the link target
                       tcp://127.0.0.1:PORT; 0 lets the system pick a free port,
                       which the ready line shows
  --replace            take over the link even if it points at an existing device
                       (a link that points nowhere, as a tcp:// link does, is
                       always taken over); the earlier link is put back on exit
  --id-version X.Y     version in the identification (default 1.2)
  --id-date DD-DD-DD   update date in the identification (default 12-03-02)
  --id-name NAME       hardware name, up to 8 characters (default RDS-SIM1);
                       the program reads a B or E in it as a mark until a P,
                       R or D has come, so EX-00001 shows as an empty name
  --demo               start with sample names, texts and decoder information
                       instead of blank entries
  --state-at-exit      print the stored content when exiting; SIGUSR1 prints
                       it at any time (lines "state ps 0 "...")", ...)
  -h, --help           show this text
  --version            show the version, which is the program's

Faults:
  --silent             never answer (frames are still received and stored)
  --no-sign-off        do not answer the disconnect request
  --partial-readout N  answer the read request with only the first N of its
                       16 messages
  --corrupt N          answer the read request with message N (1-10 PS, 11-15
                       RT, 16 decoder) changed in its last character, as a
                       stored entry gone bad; what is stored stays as it is
  --noise BYTES        send BYTES random bytes before every answer frame (never
                       a caret, so the answers themselves stay intact)
  --burst BYTES        right after the identification, send BYTES random bytes
                       in one go, carets and end marks included but never a B,
                       so that no frame starts in them
  --vanish-after N     close the line and exit once N frames have arrived,
                       without answering the last one, as an unplugged device
                       (with --tcp: the connection and the listener close)
)usage";
}

} // namespace velmora::encodersim
