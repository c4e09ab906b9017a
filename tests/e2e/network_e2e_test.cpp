// Encoders behind a serial device server, numbers linked in the COM port
// window, and an adapter that is pulled and plugged back, with the real lines
// and timers against encoder-sim.

#include "platform/qt/port_links.h"
#include "settings/settings_schema.h"
#include "support/config_folder.h"
#include "support/device_server.h"
#include "support/open_window.h"
#include "support/port_link_choice.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/user_input.h"
#include "support/wait.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::platform::NetworkAddress;
using velmora::platform::portDestination;

Q_DECLARE_METATYPE(NetworkAddress)

namespace {

const QStringList kOverTheNetwork{u"--tcp"_s, u"0"_s};
const QString kAbsentPort = u"Dit poortnummer is niet op uw systeem aanwezig"_s;
const QString kVanishedPort =
    u"De poort is niet meer aanwezig; de verbinding met de Encoder is verbroken"_s;
const QString kComPortWindow = u"frmCompoort"_s;

bool linkPort(int port, const QString& target) {
    return velmora::platform::linkPort(port, target).ok();
}

// What the simulator published as port n, as the user would choose it in the
// link dialog.
void chooseWhatThePortLeadsTo(QWidget& dialog, int port) {
    const auto destination = portDestination(port);
    if (destination.network) {
        chooseNetwork(dialog, destination.network->host, destination.network->port);
    } else {
        chooseOtherDevice(dialog, destination.device);
    }
}

} // namespace

class NetworkEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void signOffOverTheNetworkClosesTheConnection();
    void deviceServerThatCannotBeReachedIsAnAbsentPort_data();
    void deviceServerThatCannotBeReachedIsAnAbsentPort();
    void hostThatDoesNotAnswerTimesOutWithoutBlockingTheWindow();
    void numberLinkedInTheComPortWindowReachesTheEncoder_data();
    void numberLinkedInTheComPortWindowReachesTheEncoder();
    void adapterPluggedBackConnectsWithoutRestart();

private:
    ConfigFolder config_;
};

void NetworkEndToEndTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void NetworkEndToEndTest::signOffOverTheNetworkClosesTheConnection() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(30, kOverTheNetwork));
    QVERIFY(session.connect());
    QVERIFY(session.sim().log().contains("program connected"));

    session.program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(session.watcher.closed().size() == 2, kDeadlineMs);
    QCOMPARE(session.watcher.closed().constLast().frameCaption,
             u"De volgende hardware meld zich af"_s);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(session.sim().receivedFrames(), (QList<QByteArray>{"^B^I^E", "^B^S^E"}));
    VELMORA_TRY_VERIFY(session.sim().log().contains("port closed by the program"), kDeadlineMs);
}

void NetworkEndToEndTest::deviceServerThatCannotBeReachedIsAnAbsentPort_data() {
    QTest::addColumn<NetworkAddress>("address");
    QTest::newRow("connection refused") << refusingAddress();
    QTest::newRow("unknown host") << NetworkAddress{u"no-such-host.invalid"_s, 4001};
}

void NetworkEndToEndTest::deviceServerThatCannotBeReachedIsAnAbsentPort() {
    QFETCH(NetworkAddress, address);
    ProgramWithSimulator session(config_.path());
    QVERIFY(linkPort(31, address.linkTarget()));
    QVERIFY(session.program.usePort(31));

    session.program.click(u"Verbinding");

    VELMORA_TRY_VERIFY(!session.watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(session.watcher.messages(), QStringList{kAbsentPort});
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
}

// The connect goes on in the background: the click returns at once, and the
// encoder's silence is reported as for a silent encoder on a serial line.
void NetworkEndToEndTest::hostThatDoesNotAnswerTimesOutWithoutBlockingTheWindow() {
    const UnansweringHost host;
    ProgramWithSimulator session(config_.path());
    QVERIFY(linkPort(32, host.address().linkTarget()));
    QVERIFY(session.program.usePort(32));
    QElapsedTimer clock;
    clock.start();

    session.program.click(u"Verbinding");

    QCOMPARE_LT(clock.elapsed(), 1000); // the supervision time-out is 2000 ms
    QCOMPARE(session.program.statusText(), u"Bezig verbinding te maken met de Encoder"_s);
    VELMORA_TRY_VERIFY(!session.watcher.closed().isEmpty(), kDeadlineMs);
    QCOMPARE(session.watcher.messages(),
             QStringList{u"Encoder antwoord niet, probeer het nogmaals."_s});
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
}

void NetworkEndToEndTest::numberLinkedInTheComPortWindowReachesTheEncoder_data() {
    QTest::addColumn<QStringList>("transport");
    QTest::newRow("pseudo-terminal") << QStringList{};
    QTest::newRow("device server") << kOverTheNetwork;
}

// The simulator publishes itself as port 33; the administrator links port 9
// to the same encoder and chooses it, and the link then carries every transfer.
void NetworkEndToEndTest::numberLinkedInTheComPortWindowReachesTheEncoder() {
    QFETCH(QStringList, transport);
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(33, transport));
    session.program.runEnabled(u"mnuInstellingen_compoort"_s);
    control<QComboBox>(kComPortWindow, u"cmbCompoort"_s)->setCurrentText(u"9"_s);
    session.watcher.setReaction(
        chooseInLinkDialog([](QWidget& dialog) { chooseWhatThePortLeadsTo(dialog, 33); }));

    click(kComPortWindow, u"cmdKoppelen"_s);
    click(kComPortWindow, u"cmdOk"_s);

    QCOMPARE(session.program.setting(velmora::settings::kPortNumber), "9");
    QCOMPARE(portDestination(9).linkTarget, portDestination(33).linkTarget);
    QVERIFY(session.connect());
    session.program.click(u"Versturen");
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
    QVERIFY(session.sim().waitForFrames(17));
    session.program.click(u"Inladen");
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
    QCOMPARE(session.sim().receivedFrames().constLast(), QByteArray("^B^G^E"));
    QCOMPARE(session.program.statusText(), kConnectedText);
}

// Port 8 leads to the adapter's stable name, which disappears when the
// adapter is pulled and comes back, for another device, when it is plugged in.
void NetworkEndToEndTest::adapterPluggedBackConnectsWithoutRestart() {
    QTemporaryDir byId;
    const QString adapter = byId.filePath(u"usb-Encoder_RS232-if00-port0"_s);
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(34, {u"--vanish-after"_s, u"2"_s}));
    QVERIFY(QFile::link(portDestination(34).device, adapter));
    QVERIFY(linkPort(8, adapter));
    QVERIFY(session.program.usePort(8));
    QVERIFY(session.program.reconnectAfterLoss(false));
    QVERIFY(session.connect());

    session.program.click(u"Inladen");
    VELMORA_TRY_VERIFY(session.watcher.messages().contains(kVanishedPort), kDeadlineMs);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(session.sim().waitUntilGone());
    QVERIFY(QFile::remove(adapter));

    session.program.click(u"Verbinding");
    VELMORA_TRY_VERIFY(session.watcher.messages().contains(kAbsentPort), kDeadlineMs);

    QVERIFY(session.start(34));
    QVERIFY(QFile::link(portDestination(34).device, adapter));
    QVERIFY(session.program.usePort(8));
    QVERIFY(session.connect());
    QVERIFY(session.program.transferCommandsEnabled());
    QCOMPARE(session.sim().receivedFrames(), QList<QByteArray>{"^B^I^E"});
}

VELMORA_TEST_MAIN(NetworkEndToEndTest)
#include "network_e2e_test.moc"
