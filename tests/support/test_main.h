#pragma once

#include "support/config_folder.h"

#include <QTest>

namespace velmora::testing {

// What every test program sets up before its application object: a
// configuration folder of its own, and no display unless one is asked for.
class TestProcess {
public:
    TestProcess() {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }

    const ConfigFolder& config() const { return config_; }

private:
    ConfigFolder config_;
};

} // namespace velmora::testing

// QTEST_MAIN, run inside a TestProcess.
#define VELMORA_TEST_MAIN(TestObject)                                                              \
    QTEST_MAIN_WRAPPER(TestObject, const velmora::testing::TestProcess velmoraTestProcess;         \
                       QTEST_MAIN_SETUP())
