#include "cli/command_line.h"
#include "cli/run_request.h"

#include <QCoreApplication>
#include <iostream>
#include <string_view>
#include <variant>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace velmora::cli;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (const auto* information = std::get_if<Information>(&parsed)) {
        std::cout << (*information == Information::Help ? usageText()
                                                        : "velmora-cli " VELMORA_VERSION "\n");
        return 0;
    }
    if (const auto* wrong = std::get_if<WrongUse>(&parsed)) {
        std::cerr << "velmora-cli: " << wrong->message << "\nZie velmora-cli --help.\n";
        return kWrongUse;
    }
    const QCoreApplication application(argc, argv);
    return runRequest(std::get<Request>(parsed), std::cout, std::cerr);
}
