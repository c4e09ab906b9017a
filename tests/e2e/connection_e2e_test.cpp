// Connecting, identification, sign-off and every way a connection fails,
// with the real serial line and timers against encoder-sim.

#include "platform/qt/qt_serial_line.h"
#include "support/config_folder.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

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
    void identityWithoutNameShowsNoName();
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
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(1, kIdentity));

    QVERIFY(session.connect());

    QCOMPARE(session.watcher.openedCount(), 1);
    const SeenWindow& hardware = session.watcher.closed().constFirst();
    QCOMPARE(hardware.name, u"frmHardware_info"_s);
    QCOMPARE(hardware.frameCaption, kSignOn);
    QCOMPARE(hardware.hardware, u"RX-UNIT7"_s);
    QCOMPARE(hardware.version, u"2.7"_s);
    QCOMPARE(hardware.update, u"24-11-05"_s);
    QCOMPARE(session.program.connectionTooltip(), u"Verbreek de verbinding met de Encoder"_s);
    QVERIFY(session.program.transferCommandsEnabled());
    QVERIFY(session.program.isPortOpen());
    QCOMPARE(session.sim().receivedFrames(), QList<QByteArray>{kGreeting});
}

void ConnectionEndToEndTest::signOffClosesTheConnection() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(2, kIdentity));
    QVERIFY(session.connect());

    session.program.click(u"Verbinding");
    QCOMPARE(session.program.statusText(), u"Bezig verbinding te verbreken"_s);

    VELMORA_TRY_VERIFY(session.watcher.closed().size() == 2, kDeadlineMs);
    const SeenWindow& signOff = session.watcher.closed().constLast();
    QCOMPARE(signOff.name, u"frmHardware_info"_s);
    QCOMPARE(signOff.frameCaption, kSignOff);
    QCOMPARE(signOff.hardware, u"RX-UNIT7"_s);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(session.sim().receivedFrames(), (QList<QByteArray>{kGreeting, kDisconnectRequest}));
}

// A plain "E" ends the identification before the name: the window shows no
// name, and the sign-off, which knows no name, shows its fresh rows.
void ConnectionEndToEndTest::identityWithoutNameShowsNoName() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(6, {u"--id-version"_s, u"1.2"_s, u"--id-date"_s, u"12-03-02"_s,
                              u"--id-name"_s, u"EX-00001"_s}));
    QVERIFY(session.connect());

    session.program.click(u"Verbinding");
    VELMORA_TRY_VERIFY(session.watcher.closed().size() == 2, kDeadlineMs);

    const SeenWindow& signOn = session.watcher.closed().constFirst();
    QCOMPARE(signOn.frameCaption, kSignOn);
    QCOMPARE((QStringList{signOn.hardware, signOn.version, signOn.update}),
             (QStringList{QString(), u"1.2"_s, u"12-03-02"_s}));
    const SeenWindow& signOff = session.watcher.closed().constLast();
    QCOMPARE(signOff.frameCaption, kSignOff);
    QCOMPARE((QStringList{signOff.hardware, signOff.version, signOff.update}),
             QStringList(3, u"Onbekend"_s));
}

// The sign-off arrives while the user still looks at the hardware window of
// the sign-on: the receive handler runs inside that window's event loop.
void ConnectionEndToEndTest::signOffBehindTheHardwareWindowUpdatesThatWindow() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(3, kIdentity));
    bool disconnectRequested = false;
    session.watcher.setReaction([&](QWidget& window) {
        if (!disconnectRequested) {
            disconnectRequested = true;
            QTimer::singleShot(0, &window, [&] { session.program.click(u"Verbinding"); });
        }
        return look(window).frameCaption == kSignOff ? Answer::pressOk() : Answer::leaveOpen();
    });

    session.program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(!session.watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(session.watcher.openedCount(), 1);
    QCOMPARE(session.watcher.closed().constFirst().hardware, u"RX-UNIT7"_s);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(session.sim().receivedFrames(), (QList<QByteArray>{kGreeting, kDisconnectRequest}));
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
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(4, {fault}));
    if (connectsFirst) {
        QVERIFY(session.connect());
    }
    const qsizetype closedBefore = session.watcher.closed().size();

    session.program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(session.watcher.closed().size() > closedBefore, kDeadlineMs);
    QCOMPARE(session.watcher.closed().constLast().name, u"frmWaarschuwing"_s);
    QCOMPARE(session.watcher.closed().constLast().message, message);
    QVERIFY(session.watcher.closed().constLast().messageFits);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    // The next attempt finds the port free again.
    session.program.click(u"Verbinding");
    QVERIFY(session.program.isPortOpen());
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
    velmora::platform::QtSerialLine holder;
    ProgramWithSimulator session(config_.path());
    if (heldElsewhere) {
        QVERIFY(session.start(250));
        QCOMPARE(holder.open(250), velmora::platform::SerialLine::OpenResult::Opened);
    } else {
        QVERIFY(session.program.usePort(250));
    }

    session.program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(!session.watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(session.watcher.closed().constFirst().message, message);
    QVERIFY(session.watcher.closed().constFirst().messageFits);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    if (heldElsewhere) {
        QCOMPARE(session.sim().receivedFrames(), QList<QByteArray>{});
    }
}

// "Afsluiten" closes an open port as it is; the encoder is not asked to sign off.
void ConnectionEndToEndTest::exitClosesThePortWithoutDisconnectRequest() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(5, kIdentity));
    QVERIFY(session.connect());

    session.program.exit();

    QVERIFY(!session.program.window().isVisible());
    QVERIFY(!session.program.isPortOpen());
    VELMORA_TRY_VERIFY(session.sim().log().contains("port closed by the program"), kDeadlineMs);
    QCOMPARE(session.sim().receivedFrames(), QList<QByteArray>{kGreeting});
    QCOMPARE(session.watcher.openedCount(), 1);
}

// The save prompt's "&Annuleren" keeps the program, but the port was let go
// first; the display must not go on claiming the connection.
void ConnectionEndToEndTest::cancelledExitKeepsThePortClosedAndSaysSo() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(5, kIdentity));
    QVERIFY(session.connect());
    session.program.document().setModified(true);
    session.watcher.setReaction(pressIn(u"frmOpslaan"_s, u"cmdAnnuleren"_s));

    session.program.exit();

    QVERIFY(session.program.window().isVisible());
    QVERIFY(session.program.document().isModified());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(session.program.statusText(), u"Verbinding met de Encoder is verbroken"_s);
    QCOMPARE(session.program.connectionTooltip(), u"Verbind de PC met de Encoder"_s);
    QVERIFY(session.program.transferCommandsDisabled());
    QCOMPARE(session.sim().receivedFrames(), QList<QByteArray>{kGreeting});
}

VELMORA_TEST_MAIN(ConnectionEndToEndTest)
#include "connection_e2e_test.moc"
