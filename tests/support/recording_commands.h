#pragma once

#include "shell/command.h"

#include <vector>

namespace velmora::testing {

// The program behind a main window, as far as the window can tell: it notes
// every command it is asked to run and lets every close request through.
class RecordingCommands : public shell::CommandHandler {
public:
    void run(shell::Command command) override { ran.push_back(command); }
    bool allowClose() override { return true; }
    bool isDocumentComplete() const override { return documentComplete; }

    std::vector<shell::Command> ran;
    bool documentComplete = false;
};

} // namespace velmora::testing
