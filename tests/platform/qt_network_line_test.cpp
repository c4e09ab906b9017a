// The line to an encoder behind a serial device server, against a server
// played by the test on the loopback address.

#include "platform/qt/port_links.h"
#include "platform/qt/qt_network_line.h"
#include "support/config_folder.h"
#include "support/device_server.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;
using velmora::platform::NetworkAddress;
using velmora::platform::QtNetworkLine;
using OpenResult = velmora::platform::SerialLine::OpenResult;
using velmora::testing::DeviceServer;
using velmora::testing::kDeadlineMs;

Q_DECLARE_METATYPE(NetworkAddress)

namespace {

QByteArray everyByteValue() {
    QByteArray bytes;
    for (int value = 0; value < 256; ++value) {
        bytes += static_cast<char>(value);
    }
    return bytes;
}

// What a line tells its handlers.
struct Reports {
    explicit Reports(QtNetworkLine& line) {
        line.setReceiveHandler([this](std::string_view bytes) {
            received.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        });
        line.setLostHandler([this] { ++losses; });
        line.setOpenFailedHandler([this](OpenResult result) { failedOpen = result; });
    }

    QByteArray received;
    int losses = 0;
    std::optional<OpenResult> failedOpen;
};

} // namespace

class QtNetworkLineTest : public QObject {
    Q_OBJECT

private slots:
    void bytesGoThroughAsTheyAreBothWays();
    void hostThatIsAbsentIsReportedOnceKnown_data();
    void hostThatIsAbsentIsReportedOnceKnown();
    void closingBeforeTheHostIsKnownReportsNothing();
    void serverEndingTheConnectionLosesTheLine();
    void portWithoutNetworkAddressIsNoSuchPort();
    void openingAnOpenLineAgainGivesPortInUse();

private:
    void linkPort(int port, const NetworkAddress& address) const {
        QVERIFY(velmora::platform::linkPort(port, address.linkTarget()).ok());
    }

    velmora::testing::ConfigFolder config_;
};

// The greeting is written before the connection stands, as the program does
// right after opening; it goes out once it does, first.
void QtNetworkLineTest::bytesGoThroughAsTheyAreBothWays() {
    DeviceServer server;
    linkPort(1, server.address());
    QtNetworkLine line;
    Reports reports(line);

    QCOMPARE(line.open(1), OpenResult::Opened);
    QVERIFY(line.isOpen());
    line.write("^B^I^E");
    line.write(everyByteValue().toStdString());
    QVERIFY(server.waitForConnection());
    QVERIFY(server.waitForReceived(6 + 256));
    QCOMPARE(server.received(), "^B^I^E" + everyByteValue());

    server.send(everyByteValue());
    VELMORA_TRY_COMPARE(reports.received, everyByteValue(), kDeadlineMs);
    QCOMPARE(reports.losses, 0);
    QVERIFY(!reports.failedOpen);
}

void QtNetworkLineTest::hostThatIsAbsentIsReportedOnceKnown_data() {
    QTest::addColumn<NetworkAddress>("address");
    QTest::newRow("connection refused") << velmora::testing::refusingAddress();
    QTest::newRow("unknown host") << NetworkAddress{u"no-such-host.invalid"_s, 4001};
}

void QtNetworkLineTest::hostThatIsAbsentIsReportedOnceKnown() {
    QFETCH(NetworkAddress, address);
    linkPort(2, address);
    QtNetworkLine line;
    Reports reports(line);

    QCOMPARE(line.open(2), OpenResult::Opened);
    line.write("^B^I^E");

    VELMORA_TRY_VERIFY(reports.failedOpen.has_value(), kDeadlineMs);
    QCOMPARE(*reports.failedOpen, OpenResult::NoSuchPort);
    QVERIFY(!line.isOpen());
    QCOMPARE(reports.losses, 0);
    // The next open tries afresh.
    QCOMPARE(line.open(2), OpenResult::Opened);
}

void QtNetworkLineTest::closingBeforeTheHostIsKnownReportsNothing() {
    linkPort(3, velmora::testing::refusingAddress());
    QtNetworkLine line;
    Reports reports(line);
    QCOMPARE(line.open(3), OpenResult::Opened);

    line.close();

    QTest::qWait(200);
    QVERIFY(!reports.failedOpen);
    QCOMPARE(reports.losses, 0);
    QVERIFY(!line.isOpen());
}

void QtNetworkLineTest::serverEndingTheConnectionLosesTheLine() {
    DeviceServer server;
    linkPort(4, server.address());
    QtNetworkLine line;
    Reports reports(line);
    QCOMPARE(line.open(4), OpenResult::Opened);
    QVERIFY(server.waitForConnection());

    server.dropConnection();

    VELMORA_TRY_COMPARE(reports.losses, 1, kDeadlineMs);
    QVERIFY(!line.isOpen());
    QVERIFY(!reports.failedOpen);
    line.write("^B^S^E"); // a closed line takes nothing
    QTest::qWait(100);
    QCOMPARE(reports.losses, 1);
}

void QtNetworkLineTest::portWithoutNetworkAddressIsNoSuchPort() {
    QtNetworkLine line;
    QCOMPARE(line.open(5), OpenResult::NoSuchPort); // a link to a device
    QVERIFY(QFile::remove(config_.portLink(6)));
    QCOMPARE(line.open(6), OpenResult::NoSuchPort); // no link: /dev/ttyS5
    QVERIFY(!line.isOpen());
}

void QtNetworkLineTest::openingAnOpenLineAgainGivesPortInUse() {
    DeviceServer server;
    linkPort(7, server.address());
    QtNetworkLine line;
    QCOMPARE(line.open(7), OpenResult::Opened);
    QCOMPARE(line.open(7), OpenResult::PortInUse);
    QVERIFY(line.isOpen());
}

VELMORA_TEST_MAIN(QtNetworkLineTest)
#include "qt_network_line_test.moc"
