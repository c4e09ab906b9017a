#include "station/document.h"

namespace velmora::station {

const SetLayout& layoutOf(SetKind kind) {
    return kind == SetKind::ProgrammeService ? kProgrammeServiceLayout : kRadiotextLayout;
}

const std::string& Document::set(SetKind kind) const {
    return kind == SetKind::ProgrammeService ? psSet_ : rtSet_;
}

void Document::replaceSet(SetKind kind, std::string text) {
    (kind == SetKind::ProgrammeService ? psSet_ : rtSet_) = std::move(text);
    modified_ = true;
    view_.enableSaveCommands(isComplete());
}

} // namespace velmora::station
