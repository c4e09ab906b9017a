#include "cli/command_line.h"
#include "fakes/param_names.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace velmora::cli {
namespace {

using fakes::PrintTo;

struct CommandLineCase {
    const char* name;
    std::vector<std::string_view> arguments;
    ParsedCommandLine parsed;
};

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsAsTyped) {
    EXPECT_EQ(parseCommandLine(GetParam().arguments), GetParam().parsed);
}

WrongUse wrong(const char* message) {
    return WrongUse{message};
}

const char* const kBadPorts = " (poortnummers van 1 tot en met 99, gescheiden door komma's).";

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandLineTest,
    testing::ValuesIn(std::vector<CommandLineCase>{
        {"FillTheListByDefault", {"vullen", "ochtend.Rds"}, Request{.stationFile = "ochtend.Rds"}},
        {"FillTheListAsked", {"vullen", "--zenders", "a.Rds"}, Request{.stationFile = "a.Rds"}},
        {"FillPortsAndVerify",
         {"vullen", "a.Rds", "--poort", "1,2,99", "--controleren"},
         Request{.stationFile = "a.Rds", .ports = {1, 2, 99}, .verifyAfterFill = true}},
        {"Verify",
         {"controleren", "a.Rds", "--poort", "3"},
         Request{.command = Command::Verify, .stationFile = "a.Rds", .ports = {3}}},
        {"ReadOutToAFile",
         {"uitlezen", "--poort", "4", "-o", "uit.Rds"},
         Request{.command = Command::ReadOut, .ports = {4}, .outputFile = "uit.Rds"}},
        {"ReadOutToStandardOutput",
         {"uitlezen", "--poort", "4"},
         Request{.command = Command::ReadOut, .ports = {4}}},
        {"HelpBeforeAnyMistake", {"vullen", "--poort", "x", "-h"}, Information::Help},
        {"Version", {"--version"}, Information::Version},
        {"NoCommand", {}, wrong("Geef een opdracht: vullen, controleren of uitlezen.")},
        {"UnknownCommand", {"wissen"}, wrong("Onbekende opdracht: wissen.")},
        {"UnknownOption", {"vullen", "a.Rds", "--snel"}, wrong("Onbekende optie: --snel.")},
        {"NoFile", {"vullen", "--poort", "1"}, wrong("Geef het bestand (.Rds) om te vullen.")},
        {"TwoFiles", {"controleren", "a.Rds", "b.Rds"}, wrong("Eén bestand tegelijk: b.Rds.")},
        {"EmptyPortInTheList",
         {"vullen", "a.Rds", "--poort", "1,,x"},
         WrongUse{std::string("Ongeldige poorten: 1,,x") + kBadPorts}},
        {"PortAbove99",
         {"vullen", "a.Rds", "--poort", "100"},
         WrongUse{std::string("Ongeldige poorten: 100") + kBadPorts}},
        {"PortWithoutNumber",
         {"vullen", "a.Rds", "--poort"},
         wrong("--poort heeft een waarde nodig.")},
        {"PortsAndList",
         {"vullen", "a.Rds", "--poort", "1", "--zenders"},
         wrong("Kies --poort of --zenders, niet allebei.")},
        {"OutputWithoutReadOut",
         {"vullen", "a.Rds", "-o", "b.Rds"},
         wrong("-o hoort alleen bij uitlezen.")},
        {"VerifyAfterVerifying",
         {"controleren", "a.Rds", "--controleren"},
         wrong("--controleren hoort alleen bij vullen.")},
        {"ReadOutOfTwoPorts",
         {"uitlezen", "--poort", "1,2"},
         wrong("uitlezen leest één encoder uit: geef --poort N.")},
        {"ReadOutOfTheList",
         {"uitlezen", "--zenders"},
         wrong("uitlezen leest één encoder uit: geef --poort N.")},
        {"ReadOutOfAFile",
         {"uitlezen", "a.Rds", "--poort", "1"},
         wrong("uitlezen neemt geen bestand; geef het met -o BESTAND.Rds.")},
    }),
    fakes::ByCaseName());

} // namespace
} // namespace velmora::cli
