// The hang-up watch on a pseudo-terminal of the test's own: the far end
// closing is a hang-up, bytes arriving are not.

#include "platform/qt/hang_up_watch.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QTest>
#include <pty.h>
#include <unistd.h>

using velmora::platform::HangUpWatch;
using velmora::testing::kDeadlineMs;

namespace {

// Both ends of a pseudo-terminal; the test holds the device end, as the
// program holds its serial port, and plays the encoder at the other.
class PseudoTerminal {
public:
    PseudoTerminal() { opened_ = ::openpty(&encoder_, &device_, nullptr, nullptr, nullptr) == 0; }
    ~PseudoTerminal() {
        hangUp();
        closeEnd(device_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool opened() const { return opened_; }
    int device() const { return device_; }
    bool send(const char* bytes, std::size_t size) const {
        return ::write(encoder_, bytes, size) == static_cast<ssize_t>(size);
    }
    void hangUp() { closeEnd(encoder_); }

private:
    static void closeEnd(int& end) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }

    bool opened_ = false;
    int encoder_ = -1;
    int device_ = -1;
};

} // namespace

class HangUpWatchTest : public QObject {
    Q_OBJECT

private slots:
    void farEndClosingIsReportedOnce() {
        PseudoTerminal line;
        QVERIFY(line.opened());
        int hangUps = 0;
        HangUpWatch watch([&] { ++hangUps; });
        watch.start(line.device());

        line.hangUp();

        VELMORA_TRY_VERIFY(hangUps > 0, kDeadlineMs);
        QTest::qWait(50);
        QCOMPARE(hangUps, 1);
    }

    void arrivingBytesAreNoHangUp() {
        PseudoTerminal line;
        QVERIFY(line.opened());
        int hangUps = 0;
        HangUpWatch watch([&] { ++hangUps; });
        watch.start(line.device());

        QVERIFY(line.send("^B^I12120302RDS-SIM1^E", 22));

        QTest::qWait(100);
        QCOMPARE(hangUps, 0);
    }

    void stoppedWatchReportsNothing() {
        PseudoTerminal line;
        QVERIFY(line.opened());
        int hangUps = 0;
        HangUpWatch watch([&] { ++hangUps; });
        watch.start(line.device());
        watch.stop();

        line.hangUp();

        QTest::qWait(100);
        QCOMPARE(hangUps, 0);
    }
};

VELMORA_TEST_MAIN(HangUpWatchTest)
#include "hang_up_watch_test.moc"
