#pragma once

#include "station/document.h"
#include "station/station_file_commands.h"

#include <string_view>

namespace velmora::station {

enum class SavePromptAnswer { Save, Discard, Cancel };

// What the exit asks of the main window besides the file operations.
class SavePromptView {
public:
    virtual ~SavePromptView() = default;

    // The save prompt with this question (Windows-1252): a beep, shown
    // modally. Closing it any other way counts as "&Annuleren".
    virtual SavePromptAnswer askToSaveChanges(std::string_view question) = 0;
    // Closes the main window, which ends the run through the exit sequence.
    virtual void closeMainWindow() = 0;
};

// While the save prompt is open for a document without a file, the file name
// holds this placeholder, which the question then names.
inline constexpr std::string_view kNoFileName = "Nieuw";

// The File menu's commands as far as they act on the document, and the
// question whether the run may end.
class DocumentCommands {
public:
    DocumentCommands(Document& document, StationFileCommands& files, SavePromptView& view)
        : document_(document), files_(files), view_(view) {}

    // "&Nieuw...": no sets and no file. Unsaved changes are dropped unasked.
    void startNewDocument();
    // The re-login empties the sets and leaves the file name to the login.
    // An emptied document is nobody's edit, so it is not modified afterwards:
    // otherwise a cancelled login would leave an empty document that the exit
    // offers to save over the old station file.
    void emptyForRelogin();
    // "O&pslaan": to the document's file, or through the dialog when it has none.
    SaveResult save();

    // The main window is asked to close. True: the run may end now. False: the
    // window stays, either because the user chose so or a save went wrong, or
    // because a save asked for by the prompt closes the window itself once it
    // is done. Only the save that the prompt asks for ends the run.
    bool mayEnd();

private:
    void emptySets();
    bool carryOut(SavePromptAnswer answer, bool hasFile);
    void stayOpen(bool hasFile);
    void endAfterSave();

    Document& document_;
    StationFileCommands& files_;
    SavePromptView& view_;
    bool asking_ = false;
};

} // namespace velmora::station
