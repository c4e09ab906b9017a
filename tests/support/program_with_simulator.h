#pragma once

#include "support/encoder_sim_process.h"
#include "support/modal_watcher.h"
#include "support/program.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace velmora::testing {

// Where most end-to-end tests start: the program, a user in front of its
// modal windows, and encoder-sim published as the port the program uses.
class ProgramWithSimulator {
    // Declared first, so that it goes last: the program lets go of the port
    // before the simulator ends.
    std::unique_ptr<EncoderSimProcess> sim_;

public:
    // The program on the settings file in this folder, on the test's clock
    // when it gives one; no simulator yet.
    explicit ProgramWithSimulator(const QString& configFolder,
                                  const platform::Clock* clock = nullptr)
        : program(configFolder, clock) {}

    // Starts encoder-sim as port n, in place of the one started before, and
    // sets the program to use that port; false if either fails.
    [[nodiscard]] bool start(int port, const QStringList& simOptions = {});
    // Clicks "Verbinding" and waits until the encoder has identified itself
    // and the watcher has closed the hardware window.
    [[nodiscard]] bool connect();

    // The simulator of the last start().
    EncoderSimProcess& sim() { return *sim_; }

    Program program;
    ModalWatcher watcher;
};

} // namespace velmora::testing
