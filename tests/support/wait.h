#pragma once

#include <QTest>

namespace velmora::testing {

// How long a test waits for something the program or the simulator should
// do; the encoder's own time limit is 2000 ms.
inline constexpr int kDeadlineMs = 5000;

} // namespace velmora::testing

// QTRY_VERIFY_WITH_TIMEOUT and QTRY_COMPARE_WITH_TIMEOUT, which narrow their
// timeout inside the expansion on newer Qt and so do not build with
// -Wconversion: events run until the condition holds or the time is up.
#define VELMORA_TRY_VERIFY(condition, timeoutMs)                                                   \
    QVERIFY2(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, timeoutMs),             \
             "not within " #timeoutMs " ms: " #condition)

#define VELMORA_TRY_COMPARE(actual, expected, timeoutMs)                                           \
    do {                                                                                           \
        if (!QTest::qWaitFor([&] { return (actual) == (expected); }, timeoutMs)) {                 \
            QCOMPARE(actual, expected);                                                            \
        }                                                                                          \
    } while (false)
