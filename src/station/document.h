#pragma once

#include "station/document_view.h"
#include "station/station_settings.h"

#include <string>
#include <string_view>

namespace velmora::station {

enum class SetKind { ProgrammeService, Radiotext };

const SetLayout& layoutOf(SetKind kind);

// The open document: the PS and RT sets, the station file they belong to, and
// the modified flag. Every change of a set goes through
// replaceSet, which marks the document modified and tells the view whether
// saving is possible.
class Document {
public:
    explicit Document(DocumentView& view) : view_(view) {}

    const std::string& set(SetKind kind) const;
    const std::string& programmeServiceSet() const { return psSet_; }
    const std::string& radiotextSet() const { return rtSet_; }
    void replaceSet(SetKind kind, std::string text);
    // Both sets exist: the document can be saved.
    bool isComplete() const { return setExists(psSet_) && setExists(rtSet_); }

    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

private:
    DocumentView& view_;
    std::string psSet_;
    std::string rtSet_;
    std::string fileName_;
    bool modified_ = false;
};

} // namespace velmora::station
