#pragma once

#include <cstddef>

namespace velmora::shell {

// What a menu item or toolbar entry asks the program to do. A toolbar entry
// runs the command of its menu twin, also while that item is disabled.
enum class Command {
    NewDocument,
    OpenFile,
    CloseWindow,
    Save,
    SaveAs,
    PrintPreview,
    Print,
    LogInAgain,
    Exit,
    Fill,
    ReadOut,
    Verify,
    ComPort,
    Radiotext,
    ProgrammeService,
    DecoderInformation,
    ProgrammeIdentification,
    AddUser,
    EditCurrentUser,
    Options,
    Overview,
    Preview,
    Cascade,
    About,
    LiveRadiotext,
    Log,
    Planning,
    Encoders,
    FillAllEncoders,
    VerifyAllEncoders,
    // Toolbar entries without a menu twin.
    ToggleConnection,
    ReadOutAfterClosingEditors,
};

inline constexpr std::size_t kCommandCount =
    static_cast<std::size_t>(Command::ReadOutAfterClosingEditors) + 1;

constexpr std::size_t indexOf(Command command) {
    return static_cast<std::size_t>(command);
}

// What the main window's items, entries and close box ask of the program
// behind it.
class CommandHandler {
public:
    virtual ~CommandHandler() = default;

    virtual void run(Command command) = 0;
    // The main window is asked to close. True: it may, and everything that
    // has to go before it has gone.
    virtual bool allowClose() = 0;
    // Both sets exist, so the document can be saved under a new name.
    virtual bool isDocumentComplete() const = 0;
};

} // namespace velmora::shell
