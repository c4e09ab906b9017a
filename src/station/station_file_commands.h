#pragma once

#include "platform/file_dialogs.h"
#include "platform/file_store.h"
#include "platform/settings_store.h"
#include "station/document.h"
#include "station/station_file.h"
#include "station/station_file_view.h"

namespace velmora::station {

enum class SaveResult {
    Saved,
    Cancelled, // the save dialog was cancelled; nothing was written
    Failed,    // reported to the user; document, file name and flags are as they were
};

// The four operations that move the document between the main window and a
// station file. The document's file name is a UTF-8 path, as the dialogs
// give it; paths kept in the settings store are converted on the way in.
class StationFileCommands {
public:
    StationFileCommands(Document& document, platform::FileDialogs& dialogs,
                        platform::FileStore& files, const platform::SettingsStore& settings,
                        StationFileView& view)
        : document_(document), dialogs_(dialogs), files_(files), settings_(settings), view_(view) {}

    // Open a file chosen in the dialog. A file that cannot be read is reported
    // and changes nothing, not even the document's file name.
    void BestandOpenen();
    // Open the file named by the document's file name, which the login has
    // set to the account's linked file; an empty name empties both sets.
    void GekoppeldBestandOpenen();
    // Save to a file chosen in the dialog. A cancelled or failed save leaves
    // the document, its file name and its flag as they were, so that the
    // caller can decide what follows, as the exit does.
    SaveResult BestandOpslaanAls();
    // Save to the document's file, whose name must not be empty; as above.
    SaveResult BestandOpslaan();

private:
    platform::FileDialogRequest dialogRequest(std::string initialFolder) const;
    void takeSets(StationSets sets);
    StationSets documentSets() const;

    Document& document_;
    platform::FileDialogs& dialogs_;
    platform::FileStore& files_;
    const platform::SettingsStore& settings_;
    StationFileView& view_;
};

} // namespace velmora::station
