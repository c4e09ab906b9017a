#include "station/document.h"

namespace velmora::station {

const SetLayout& layoutOf(SetKind kind) {
    return kind == SetKind::ProgrammeService ? kProgrammeServiceLayout : kRadiotextLayout;
}

const std::string& Document::set(SetKind kind) const {
    return kind == SetKind::ProgrammeService ? psSet_ : rtSet_;
}

// Only a change of a set's text is a change of the document: opening the
// same file again leaves it as unmodified as it was.
void Document::replaceSet(SetKind kind, std::string text) {
    std::string& set = kind == SetKind::ProgrammeService ? psSet_ : rtSet_;
    if (set == text) {
        return;
    }
    set = std::move(text);
    modified_ = true;
    view_.enableSaveCommands(isComplete());
}

} // namespace velmora::station
