#include "support/program_with_simulator.h"

#include "support/wait.h"

#include <QTest>

namespace velmora::testing {

bool ProgramWithSimulator::start(int port, const QStringList& simOptions) {
    sim_.reset(); // it takes its port link with it
    sim_ = std::make_unique<EncoderSimProcess>(port, simOptions);
    return sim_->waitUntilReady() && program.usePort(port);
}

bool ProgramWithSimulator::connect() {
    const qsizetype closedBefore = watcher.closed().size();
    program.click(u"Verbinding");
    return QTest::qWaitFor(
        [&] {
            return watcher.closed().size() > closedBefore && program.statusText() == kConnectedText;
        },
        kDeadlineMs);
}

} // namespace velmora::testing
