// Connecting, identification, sign-off and every way a connection fails,
// with the real serial line and timers against encoder-sim.

#include "platform/qt/qt_serial_line.h"
#include "support/config_folder.h"
#include "support/encoder_sim_process.h"
#include "support/modal_watcher.h"
#include "support/program.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace Qt::StringLiterals;
using namespace velmora::testing;

namespace {

const QString kSignOn = u"De volgende hardware meld zich aan"_s;
const QString kSignOff = u"De volgende hardware meld zich af"_s;
const QByteArray kGreeting = "^B^I^E";
const QByteArray kDisconnectRequest = "^B^S^E";
const QStringList kIdentity{u"--id-version"_s, u"2.7"_s,       u"--id-date"_s,
                            u"24-11-05"_s,     u"--id-name"_s, u"RX-UNIT7"_s};

} // namespace

class ConnectionEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void connectShowsTheEncodersIdentity();
    void signOffClosesTheConnection();
    void signOffBehindTheHardwareWindowUpdatesThatWindow();
    void silentEncoderIsReported_data();
    void silentEncoderIsReported();
    void portThatCannotBeOpenedIsReported_data();
    void portThatCannotBeOpenedIsReported();
    void exitClosesThePortWithoutDisconnectRequest();
    void cancelledExitKeepsThePortClosedAndSaysSo();

private:
    ConfigFolder config_;
};

void ConnectionEndToEndTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void ConnectionEndToEndTest::connectShowsTheEncodersIdentity() {
    EncoderSimProcess sim(1, kIdentity);
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(1));
    ModalWatcher watcher;

    QVERIFY(program.connect(watcher));

    QCOMPARE(watcher.openedCount(), 1);
    const SeenWindow& hardware = watcher.closed().constFirst();
    QCOMPARE(hardware.name, u"frmHardware_info"_s);
    QCOMPARE(hardware.frameCaption, kSignOn);
    QCOMPARE(hardware.hardware, u"RX-UNIT7"_s);
    QCOMPARE(hardware.version, u"2.7"_s);
    QCOMPARE(hardware.update, u"24-11-05"_s);
    QCOMPARE(program.connectionTooltip(), u"Verbreek de verbinding met de Encoder"_s);
    QVERIFY(program.transferCommandsEnabled());
    QVERIFY(program.isPortOpen());
    QCOMPARE(sim.receivedFrames(), QList<QByteArray>{kGreeting});
}

void ConnectionEndToEndTest::signOffClosesTheConnection() {
    EncoderSimProcess sim(2, kIdentity);
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(2));
    ModalWatcher watcher;
    QVERIFY(program.connect(watcher));

    program.click(u"Verbinding");
    QCOMPARE(program.statusText(), u"Bezig verbinding te verbreken"_s);

    VELMORA_TRY_VERIFY(watcher.closed().size() == 2, kDeadlineMs);
    const SeenWindow& signOff = watcher.closed().constLast();
    QCOMPARE(signOff.name, u"frmHardware_info"_s);
    QCOMPARE(signOff.frameCaption, kSignOff);
    QCOMPARE(signOff.hardware, u"RX-UNIT7"_s);
    QVERIFY(program.showsDisconnected());
    QVERIFY(!program.isPortOpen());
    QCOMPARE(sim.receivedFrames(), (QList<QByteArray>{kGreeting, kDisconnectRequest}));
}

// The sign-off arrives while the user still looks at the hardware window of
// the sign-on: the receive handler runs inside that window's event loop.
void ConnectionEndToEndTest::signOffBehindTheHardwareWindowUpdatesThatWindow() {
    EncoderSimProcess sim(3, kIdentity);
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(3));
    ModalWatcher watcher;
    bool disconnectRequested = false;
    watcher.setReaction([&](QWidget& window) {
        if (!disconnectRequested) {
            disconnectRequested = true;
            QTimer::singleShot(0, &window, [&] { program.click(u"Verbinding"); });
        }
        return look(window).frameCaption == kSignOff;
    });

    program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(!watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(watcher.openedCount(), 1);
    QCOMPARE(watcher.closed().constFirst().hardware, u"RX-UNIT7"_s);
    QVERIFY(program.showsDisconnected());
    QVERIFY(!program.isPortOpen());
    QCOMPARE(sim.receivedFrames(), (QList<QByteArray>{kGreeting, kDisconnectRequest}));
}

void ConnectionEndToEndTest::silentEncoderIsReported_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("connectsFirst");
    QTest::addColumn<QString>("message");
    QTest::newRow("after the greeting")
        << u"--silent"_s << false << u"Encoder antwoord niet, probeer het nogmaals."_s;
    QTest::newRow("after the disconnect request")
        << u"--no-sign-off"_s << true << u"Encoder antwoord niet."_s;
}

void ConnectionEndToEndTest::silentEncoderIsReported() {
    QFETCH(QString, fault);
    QFETCH(bool, connectsFirst);
    QFETCH(QString, message);
    EncoderSimProcess sim(4, {fault});
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(4));
    ModalWatcher watcher;
    if (connectsFirst) {
        QVERIFY(program.connect(watcher));
    }
    const qsizetype closedBefore = watcher.closed().size();

    program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(watcher.closed().size() > closedBefore, kDeadlineMs);
    QCOMPARE(watcher.closed().constLast().name, u"frmWaarschuwing"_s);
    QCOMPARE(watcher.closed().constLast().message, message);
    QVERIFY(watcher.closed().constLast().messageFits);
    QVERIFY(program.showsDisconnected());
    QVERIFY(!program.isPortOpen());
    // The next attempt finds the port free again.
    program.click(u"Verbinding");
    QVERIFY(program.isPortOpen());
}

void ConnectionEndToEndTest::portThatCannotBeOpenedIsReported_data() {
    QTest::addColumn<bool>("heldElsewhere");
    QTest::addColumn<QString>("message");
    QTest::newRow("port that does not exist")
        << false << u"Dit poortnummer is niet op uw systeem aanwezig"_s;
    QTest::newRow("port already in use") << true << u"Deze poort is al in gebruik"_s;
}

void ConnectionEndToEndTest::portThatCannotBeOpenedIsReported() {
    QFETCH(bool, heldElsewhere);
    QFETCH(QString, message);
    // Port 250 has neither a link nor a /dev/ttyS249 device unless a simulator publishes it.
    std::unique_ptr<EncoderSimProcess> sim;
    velmora::platform::QtSerialLine holder;
    if (heldElsewhere) {
        sim = std::make_unique<EncoderSimProcess>(250);
        QVERIFY(sim->waitUntilReady());
        QCOMPARE(holder.open(250), velmora::platform::SerialLine::OpenResult::Opened);
    }
    Program program(config_.path());
    QVERIFY(program.usePort(250));
    ModalWatcher watcher;

    program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(!watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(watcher.closed().constFirst().message, message);
    QVERIFY(watcher.closed().constFirst().messageFits);
    QVERIFY(program.showsDisconnected());
    QVERIFY(!program.isPortOpen());
    if (heldElsewhere) {
        QCOMPARE(sim->receivedFrames(), QList<QByteArray>{});
    }
}

// "Afsluiten" closes an open port as it is; the encoder is not asked to sign off.
void ConnectionEndToEndTest::exitClosesThePortWithoutDisconnectRequest() {
    EncoderSimProcess sim(5, kIdentity);
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(5));
    ModalWatcher watcher;
    QVERIFY(program.connect(watcher));

    program.exit();

    QVERIFY(!program.window().isVisible());
    QVERIFY(!program.isPortOpen());
    VELMORA_TRY_VERIFY(sim.log().contains("port closed by the program"), kDeadlineMs);
    QCOMPARE(sim.receivedFrames(), QList<QByteArray>{kGreeting});
    QCOMPARE(watcher.openedCount(), 1);
}

// The save prompt's "&Annuleren" keeps the program, but the port was let go
// first; the display must not go on claiming the connection.
void ConnectionEndToEndTest::cancelledExitKeepsThePortClosedAndSaysSo() {
    EncoderSimProcess sim(5, kIdentity);
    QVERIFY(sim.waitUntilReady());
    Program program(config_.path());
    QVERIFY(program.usePort(5));
    ModalWatcher watcher;
    QVERIFY(program.connect(watcher));
    program.window().document().setModified(true);
    watcher.setReaction([](QWidget& window) {
        if (window.objectName() != u"frmOpslaan") {
            return true;
        }
        window.findChild<QPushButton*>(u"cmdAnnuleren"_s)->click();
        return false;
    });

    program.exit();

    QVERIFY(program.window().isVisible());
    QVERIFY(program.window().document().isModified());
    QVERIFY(!program.isPortOpen());
    QCOMPARE(program.statusText(), u"Verbinding met de Encoder is verbroken"_s);
    QCOMPARE(program.connectionTooltip(), u"Verbind de PC met de Encoder"_s);
    QVERIFY(program.transferCommandsDisabled());
    QCOMPARE(sim.receivedFrames(), QList<QByteArray>{kGreeting});
}

VELMORA_TEST_MAIN(ConnectionEndToEndTest)
#include "connection_e2e_test.moc"
