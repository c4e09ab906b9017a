#include "cli/run_request.h"

#include "cli/waiting_group.h"
#include "link/journal.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_file_store.h"
#include "platform/qt/qt_log_file.h"
#include "platform/qt/qt_port_line.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/windows1252.h"
#include "settings/decoder_settings.h"
#include "station/station_file.h"

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace velmora::cli {
namespace {

constexpr std::string_view kNoEncoderTakesPart =
    "Geen enkele zender uit de lijst doet mee. Vink zenders aan in het venster Zenders, of "
    "geef ze met --poort.";

// The settings, port links and log of the program that velmora-cli serves.
struct Program {
    platform::QtSettingsStore settings{platform::settingsFileOf(u"velmora"_s)};
    platform::QtFileStore files;
    platform::QtLogFile logFile;
    platform::QtClock clock;
    link::Journal journal{logFile, clock};
};

// Windows-1252 text as the terminal shows it.
std::string utf8(std::string_view text) {
    return platform::fromWindows1252(text).toStdString();
}

std::string windows1252(const std::string& utf8Text) {
    return platform::toWindows1252(QString::fromStdString(utf8Text));
}

link::JobTask taskOf(const Request& request) {
    switch (request.command) {
    case Command::Fill:
        return request.verifyAfterFill ? link::JobTask::FillAndVerify : link::JobTask::Fill;
    case Command::Verify:
        return link::JobTask::Verify;
    case Command::ReadOut:
        return link::JobTask::ReadOut;
    }
    return link::JobTask::Verify;
}

// The ports asked for, without names, or the encoders of the list that take
// part, with theirs.
std::vector<link::GroupMember> membersOf(const Request& request,
                                         const platform::SettingsStore& settings) {
    if (request.ports.empty()) {
        return link::membersTakingPart(settings);
    }
    std::vector<link::GroupMember> members;
    for (const int port : request.ports) {
        members.push_back({.name = {}, .port = port});
    }
    return members;
}

// "Opdrachtregel: vullen en controleren ochtend.Rds, 3 zenders".
std::string runLogText(const Request& request, std::size_t encoders) {
    std::string text = "Opdrachtregel: ";
    text += commandName(request.command);
    if (request.verifyAfterFill) {
        text += " en controleren";
    }
    if (!request.stationFile.empty()) {
        text += ' ';
        text += windows1252(request.stationFile);
    }
    if (!request.outputFile.empty()) {
        text += " naar ";
        text += windows1252(request.outputFile);
    }
    text += ", ";
    text += std::to_string(encoders);
    text += encoders == 1 ? " zender" : " zenders";
    return text;
}

// Says what failed on standard error and in the log; returns kFailed.
int failure(const std::string& message, link::Journal& journal, std::ostream& err) {
    journal.record(message);
    err << utf8(message) << '\n';
    return kFailed;
}

// The encoder's sets as a station file, on standard output or in the file
// the command line names.
int deliverReadOut(const Request& request, const station::StationSets& sets, Program& program,
                   std::ostream& out, std::ostream& err) {
    if (request.outputFile.empty()) {
        out << station::composeStationFile(sets.programmeService, sets.radiotext);
        return 0;
    }
    const platform::Status written =
        station::writeStationFile(program.files, request.outputFile, sets);
    if (!written) {
        return failure("Het bestand " + windows1252(request.outputFile) +
                           " kon niet worden opgeslagen: " + written.reason(),
                       program.journal, err);
    }
    return 0;
}

} // namespace

int runRequest(const Request& request, std::ostream& out, std::ostream& err) {
    Program program;
    const std::vector<link::GroupMember> members = membersOf(request, program.settings);
    program.journal.record(runLogText(request, members.size()));
    if (members.empty()) {
        return failure(std::string(kNoEncoderTakesPart), program.journal, err);
    }
    link::FillContent content;
    if (request.command != Command::ReadOut) {
        const station::StationFileRead read =
            station::readStationFile(program.files, request.stationFile);
        if (!read.status) {
            return failure("Het bestand " + windows1252(request.stationFile) +
                               " kon niet worden gelezen: " + read.status.reason(),
                           program.journal, err);
        }
        content = {.programmeService = read.sets.programmeService,
                   .radiotext = read.sets.radiotext,
                   .decoder = settings::readDecoderValues(program.settings)};
    }

    WaitingGroup group(
        {.newLine = [] { return std::make_unique<platform::QtPortLine>(); },
         .newTimer = [] { return std::make_unique<platform::QtTimer>(); },
         .record = [&program](std::string_view line) { program.journal.record(line); }},
        members, taskOf(request), content);
    group.runToTheEnd();

    const std::vector<link::JobReport> reports = group.run().reports();
    // A read-out to standard output leaves it to the station file.
    const bool fileOnOut = request.command == Command::ReadOut && request.outputFile.empty();
    for (std::size_t row = 0; row < members.size(); ++row) {
        (fileOnOut ? err : out) << utf8(link::jobLine(members[row], reports[row])) << '\n';
    }
    const int status = link::exitStatusOf(reports);
    if (request.command == Command::ReadOut && status == 0) {
        return deliverReadOut(request, group.run().job(0).readOutSets(), program, out, err);
    }
    return status;
}

} // namespace velmora::cli
