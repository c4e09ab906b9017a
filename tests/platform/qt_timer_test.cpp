#include "platform/qt/qt_timer.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QTest>

using namespace std::chrono_literals;
using velmora::platform::QtTimer;

class QtTimerTest : public QObject {
    Q_OBJECT

private slots:
    void firesRepeatedlyUntilStopped() {
        QtTimer timer;
        int ticks = 0;
        timer.setTimeoutHandler([&] { ++ticks; });
        timer.start(5ms);
        QVERIFY(timer.isRunning());
        VELMORA_TRY_VERIFY(ticks >= 3, velmora::testing::kDeadlineMs);
        timer.stop();
        QVERIFY(!timer.isRunning());
        const int stoppedAt = ticks;
        QTest::qWait(30);
        QCOMPARE(ticks, stoppedAt);
    }

    void handlerMayReplaceItselfWhileRunning() {
        QtTimer timer;
        int replacements = 0;
        const std::string captured(64, 'x'); // makes a replaced handler's loss visible to ASan
        timer.setTimeoutHandler([&, captured] {
            timer.setTimeoutHandler([&] { timer.stop(); });
            replacements += static_cast<int>(captured.size() / 64);
        });
        timer.start(1ms);
        VELMORA_TRY_VERIFY(!timer.isRunning(), velmora::testing::kDeadlineMs);
        QCOMPARE(replacements, 1);
    }
};

VELMORA_TEST_MAIN(QtTimerTest)
#include "qt_timer_test.moc"
