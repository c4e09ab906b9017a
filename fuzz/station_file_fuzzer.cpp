// Any bytes as a station file: reading them takes the sets by position, and
// whatever was read survives being written and read again, both through the
// file functions and through the Open and Save As commands.

#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "fakes/recording_main_window.h"
#include "property.h"
#include "station/document.h"
#include "station/station_file.h"
#include "station/station_file_commands.h"
#include "station/station_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

namespace velmora::fuzz {
namespace {

using station::kProgrammeServiceLayout;
using station::kRadiotextLayout;
using station::StationSets;

constexpr auto kPsSetWidth = static_cast<std::size_t>(kProgrammeServiceLayout.setWidth());
constexpr auto kRtSetWidth = static_cast<std::size_t>(kRadiotextLayout.setWidth());
constexpr std::size_t kRtSetStart = kPsSetWidth + 2;
constexpr std::size_t kWholeFileSize = kRtSetStart + kRtSetWidth;

void checkEntries(std::string_view set, const station::SetLayout& layout) {
    const auto entries = station::takeApart(set, layout);
    require(entries.size() == static_cast<std::size_t>(layout.entryCount),
            "a set always comes apart into all its entries");
    for (const station::SetEntry& entry : entries) {
        require(entry.name.size() <= static_cast<std::size_t>(layout.nameWidth),
                "no name is wider than its field");
        require(entry.flag.size() <= 1, "a flag is one character or none");
    }
}

StationSets checkRead(std::string_view content) {
    const StationSets sets = station::parseStationFile(content);
    require(sets.programmeService == content.substr(0, kPsSetWidth),
            "the PS set is the file's first 110 characters");
    const std::string_view rt =
        content.size() > kRtSetStart ? content.substr(kRtSetStart, kRtSetWidth) : "";
    require(sets.radiotext == rt, "the RT set is the 335 characters from character 113");
    checkEntries(sets.programmeService, kProgrammeServiceLayout);
    checkEntries(sets.radiotext, kRadiotextLayout);
    return sets;
}

void checkWriteAndReadAgain(const StationSets& sets) {
    const std::string written = station::composeStationFile(sets.programmeService, sets.radiotext);
    const bool nothingToWrite = sets.programmeService.empty() && sets.radiotext.empty();
    require(written.size() == (nothingToWrite ? 0 : kWholeFileSize),
            "a save writes 447 bytes, or nothing for a document without sets");
    const StationSets reread = station::parseStationFile(written);
    require(station::composeStationFile(reread.programmeService, reread.radiotext) == written,
            "a file written and read again writes back the same bytes");
    for (const auto& [set, again, layout] :
         {std::tuple{std::string_view(sets.programmeService),
                     std::string_view(reread.programmeService), kProgrammeServiceLayout},
          std::tuple{std::string_view(sets.radiotext), std::string_view(reread.radiotext),
                     kRadiotextLayout}}) {
        if (set.empty()) {
            continue;
        }
        require(set.size() != static_cast<std::size_t>(layout.setWidth()) || again == set,
                "a complete set is written byte for byte");
        const auto before = station::takeApart(set, layout);
        const auto after = station::takeApart(again, layout);
        for (std::size_t k = 0; k < before.size(); ++k) {
            require(station::padName(before[k].name, layout) == after[k].name &&
                        before[k].isActive() == after[k].isActive(),
                    "every entry survives writing and reading again");
        }
    }
}

// The user opens the file, saves it under another name and opens that.
void checkOpenSaveAsOpen(std::string_view content, const StationSets& read) {
    fakes::FakeFileStore files;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeSettingsStore settings;
    fakes::RecordingMainWindow window;
    station::Document document(window);
    station::StationFileCommands commands(document, dialogs, files, settings, window);

    files.put("zender.Rds", std::string(content));
    dialogs.answer = "zender.Rds";
    commands.BestandOpenen();
    require(document.programmeServiceSet() == read.programmeService &&
                document.radiotextSet() == read.radiotext,
            "opening a file gives the sets it holds");
    const bool saveEnabled = !window.saveCommandStates.empty() && window.saveCommandStates.back();
    require(saveEnabled == document.isComplete(),
            "saving is possible exactly when both sets exist");
    if (!document.isComplete()) {
        return;
    }
    dialogs.answer = "kopie.Rds";
    require(commands.BestandOpslaanAls() == station::SaveResult::Saved,
            "a complete document saves");
    commands.BestandOpenen();
    require(window.warnings.empty(), "a saved file opens again");
    const StationSets saved = station::parseStationFile(
        station::composeStationFile(read.programmeService, read.radiotext));
    require(document.programmeServiceSet() == saved.programmeService &&
                document.radiotextSet() == saved.radiotext,
            "a document saved and opened again holds what was written");
}

} // namespace
} // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::fuzz;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const velmora::station::StationSets sets = checkRead(content);
    checkWriteAndReadAgain(sets);
    checkOpenSaveAsOpen(content, sets);
    return 0;
}
