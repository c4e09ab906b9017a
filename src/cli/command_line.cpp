#include "cli/command_line.h"

#include "settings/encoder_list.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace velmora::cli {
namespace {

struct CommandName {
    std::string_view name;
    Command command;
};
constexpr CommandName kCommands[] = {
    {"vullen", Command::Fill}, {"controleren", Command::Verify}, {"uitlezen", Command::ReadOut}};

// An option that only one command takes.
struct CommandOption {
    std::string_view option;
    Command command;
};
constexpr CommandOption kCommandOptions[] = {{"--controleren", Command::Fill},
                                             {"-o", Command::ReadOut}};

std::optional<int> portNumber(std::string_view text) {
    int port = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, port);
    if (text.empty() || error != std::errc{} || stop != end ||
        !settings::kEncoderPortRange.contains(port)) {
        return std::nullopt;
    }
    return port;
}

// "1,2,3" to its ports; nothing when one of them is not a port.
std::optional<std::vector<int>> portList(std::string_view text) {
    std::vector<int> ports;
    for (std::size_t from = 0;; ++from) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::optional<int> port = portNumber(text.substr(from, comma - from));
        if (!port) {
            return std::nullopt;
        }
        ports.push_back(*port);
        if (comma == text.size()) {
            return ports;
        }
        from = comma;
    }
}

template <class... Parts> WrongUse wrongUse(const Parts&... parts) {
    WrongUse wrong;
    ((wrong.message += parts), ...);
    return wrong;
}

bool asks(const std::vector<std::string_view>& arguments, std::string_view option) {
    return std::ranges::find(arguments, option) != arguments.end();
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments) {
    if (asks(arguments, "--help") || asks(arguments, "-h")) {
        return Information::Help;
    }
    if (asks(arguments, "--version")) {
        return Information::Version;
    }
    if (arguments.empty()) {
        return wrongUse("Geef een opdracht: vullen, controleren of uitlezen.");
    }
    const auto* named = std::ranges::find(kCommands, arguments[0], &CommandName::name);
    if (named == std::end(kCommands)) {
        return wrongUse("Onbekende opdracht: ", arguments[0], ".");
    }
    Request request{.command = named->command};
    bool listChosen = false;
    for (std::size_t at = 1; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const auto* owned = std::ranges::find(kCommandOptions, argument, &CommandOption::option);
        const bool takesValue = argument == "--poort" || argument == "-o";
        if (owned != std::end(kCommandOptions) && owned->command != request.command) {
            return wrongUse(argument, " hoort alleen bij ", commandName(owned->command), ".");
        }
        if (takesValue && at + 1 == arguments.size()) {
            return wrongUse(argument, " heeft een waarde nodig.");
        }
        if (argument == "--poort") {
            const std::string_view list = arguments[++at];
            const auto ports = portList(list);
            if (!ports) {
                return wrongUse("Ongeldige poorten: ", list, " (poortnummers van ",
                                std::to_string(settings::kEncoderPortRange.lowest), " tot en met ",
                                std::to_string(settings::kEncoderPortRange.highest),
                                ", gescheiden door komma's).");
            }
            request.ports = *ports;
        } else if (argument == "--zenders") {
            listChosen = true;
        } else if (argument == "--controleren") {
            request.verifyAfterFill = true;
        } else if (argument == "-o") {
            request.outputFile = arguments[++at];
        } else if (argument.starts_with('-') && argument.size() > 1) {
            return wrongUse("Onbekende optie: ", argument, ".");
        } else if (request.command == Command::ReadOut) {
            return wrongUse("uitlezen neemt geen bestand; geef het met -o BESTAND.Rds.");
        } else if (!request.stationFile.empty()) {
            return wrongUse("Eén bestand tegelijk: ", argument, ".");
        } else {
            request.stationFile = argument;
        }
    }
    if (listChosen && !request.ports.empty()) {
        return wrongUse("Kies --poort of --zenders, niet allebei.");
    }
    if (request.command == Command::ReadOut && (listChosen || request.ports.size() != 1)) {
        return wrongUse("uitlezen leest één encoder uit: geef --poort N.");
    }
    if (request.command != Command::ReadOut && request.stationFile.empty()) {
        return wrongUse("Geef het bestand (.Rds) om te ", commandName(request.command), ".");
    }
    return request;
}

std::string_view commandName(Command command) {
    return std::ranges::find(kCommands, command, &CommandName::command)->name;
}

std::string_view usageText() {
    return R"(Gebruik:
  velmora-cli vullen BESTAND.Rds [--poort N[,N...] | --zenders] [--controleren]
  velmora-cli controleren BESTAND.Rds [--poort N[,N...] | --zenders]
  velmora-cli uitlezen --poort N [-o BESTAND.Rds]

Opdrachten:
  vullen          vult de encoders met de namen en teksten van het bestand en
                  de decoderinformatie uit de instellingen van Velmora
  controleren     vergelijkt wat de encoders bevatten met het bestand
  uitlezen        leest een encoder uit en schrijft wat hij bevat als
                  stationsbestand van 447 bytes

Opties:
  --poort N[,N...]  deze poorten, van 1 tot en met 99
  --zenders         de zenders uit de lijst die meedoen (zo ook zonder --poort)
  --controleren     vergelijkt na het vullen wat de encoder bevat
  -o BESTAND.Rds    waar uitlezen het bestand schrijft; zonder -o gaat het
                    naar de standaarduitvoer en de regel van de encoder naar
                    de standaardfoutuitvoer
  -h, --help        toont deze uitleg
  --version         toont de versie

Elke encoder krijgt een regel op de standaarduitvoer, en elke run staat in
het logboek.

Afsluitstatus: 0 als elke encoder deed wat gevraagd was, 1 als een controle
verschillen vond, 2 als een encoder of het bestand faalde, 64 bij verkeerd
gebruik.
)";
}

} // namespace velmora::cli
