#include "station/document_commands.h"

#include "station/path_text.h"

#include <string>

namespace velmora::station {

void DocumentCommands::startNewDocument() {
    emptySets();
    document_.setFileName({});
}

void DocumentCommands::emptyForRelogin() {
    emptySets();
    document_.setModified(false);
}

SaveResult DocumentCommands::save() {
    return document_.fileName().empty() ? files_.BestandOpslaanAls() : files_.BestandOpslaan();
}

bool DocumentCommands::mayEnd() {
    // A second close request while the prompt or its save dialog is open.
    if (asking_) {
        return false;
    }
    if (!document_.isModified()) {
        return true;
    }
    const bool hasFile = !document_.fileName().empty();
    if (!hasFile) {
        document_.setFileName(std::string(kNoFileName));
    }
    const std::string question =
        "Wilt U de wijzigingen in " + textFromUtf8Path(document_.fileName()) + " opslaan.";
    asking_ = true;
    const bool ends = carryOut(view_.askToSaveChanges(question), hasFile);
    asking_ = false;
    return ends;
}

// A set that is empty already does not change, so it does not count as an edit.
void DocumentCommands::emptySets() {
    for (const SetKind kind : {SetKind::ProgrammeService, SetKind::Radiotext}) {
        if (!document_.set(kind).empty()) {
            document_.replaceSet(kind, {});
        }
    }
}

bool DocumentCommands::carryOut(SavePromptAnswer answer, bool hasFile) {
    switch (answer) {
    case SavePromptAnswer::Save: {
        // A completed save closes the main window itself; anything less keeps
        // the document and its changes in the open window.
        const SaveResult saved = hasFile ? files_.BestandOpslaan() : files_.BestandOpslaanAls();
        if (saved == SaveResult::Saved) {
            endAfterSave();
        } else {
            stayOpen(hasFile);
        }
        return false;
    }
    case SavePromptAnswer::Discard:
        document_.setModified(false);
        return true;
    case SavePromptAnswer::Cancel:
        stayOpen(hasFile);
        return false;
    }
    return false;
}

// The document is on disk; closing the window ends the run without asking again.
void DocumentCommands::endAfterSave() {
    document_.setModified(false);
    view_.closeMainWindow();
}

void DocumentCommands::stayOpen(bool hasFile) {
    if (!hasFile) {
        document_.setFileName({});
    }
}

} // namespace velmora::station
