#include "station/station_file_commands.h"

#include "settings/options.h"
#include "station/path_text.h"

namespace velmora::station {
namespace {

constexpr std::string_view kDialogTitle = "Velmora";

constexpr std::string_view kLinkedFileMissing = "Het gekoppelde bestand is niet gevonden";

std::string fileMessage(const std::string& path, std::string_view failed,
                        const platform::Status& status) {
    return "Het bestand " + textFromUtf8Path(path) + " kon niet worden " + std::string(failed) +
           ": " + status.reason();
}

} // namespace

void StationFileCommands::BestandOpenen() {
    const auto chosen = dialogs_.askFileToOpen(
        dialogRequest(utf8PathFromText(settings::readOptions(settings_).openFolder)));
    if (!chosen) {
        return;
    }
    auto read = readStationFile(files_, *chosen);
    if (!read.status) {
        view_.showWarning(fileMessage(*chosen, "geopend", read.status));
        return;
    }
    document_.setFileName(*chosen);
    takeSets(std::move(read.sets));
}

void StationFileCommands::GekoppeldBestandOpenen() {
    StationSets sets;
    if (!document_.fileName().empty()) {
        auto read = readStationFile(files_, document_.fileName());
        if (!read.status) {
            view_.showWarning(kLinkedFileMissing);
            return;
        }
        sets = std::move(read.sets);
    }
    takeSets(std::move(sets));
}

// The dialog starts from the stored save-as start value, but that value never
// becomes the document's file name by itself: after a cancelled dialog a later
// Save must still write to the document's own file, not to another one.
SaveResult StationFileCommands::BestandOpslaanAls() {
    const StationSets sets = documentSets();
    const auto chosen = dialogs_.askFileToSave(
        dialogRequest(utf8PathFromText(settings::readOptions(settings_).saveAsStart)));
    if (!chosen) {
        return SaveResult::Cancelled;
    }
    if (const platform::Status written = writeStationFile(files_, *chosen, sets); !written) {
        view_.showWarning(fileMessage(*chosen, "opgeslagen", written));
        return SaveResult::Failed;
    }
    document_.setFileName(*chosen);
    return SaveResult::Saved;
}

SaveResult StationFileCommands::BestandOpslaan() {
    if (const platform::Status written =
            writeStationFile(files_, document_.fileName(), documentSets());
        !written) {
        view_.showWarning(fileMessage(document_.fileName(), "opgeslagen", written));
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

platform::FileDialogRequest StationFileCommands::dialogRequest(std::string initialFolder) const {
    return {.title = std::string(kDialogTitle),
            .filter = std::string(kStationFileFilter),
            .initialFolder = std::move(initialFolder),
            .initialFile = {}};
}

// The PS set first: each assignment runs the document's change reaction.
void StationFileCommands::takeSets(StationSets sets) {
    document_.replaceSet(SetKind::ProgrammeService, std::move(sets.programmeService));
    document_.replaceSet(SetKind::Radiotext, std::move(sets.radiotext));
}

StationSets StationFileCommands::documentSets() const {
    return {document_.programmeServiceSet(), document_.radiotextSet()};
}

} // namespace velmora::station
