#pragma once

namespace velmora::station {

// What the document asks of the window that shows it.
class DocumentView {
public:
    virtual ~DocumentView() = default;

    // "O&pslaan", "Ops&laan als..." and the toolbar's "Opslaan" together.
    virtual void enableSaveCommands(bool enabled) = 0;
};

} // namespace velmora::station
