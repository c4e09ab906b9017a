// Where a port number leads: the per-user links to devices and to network
// addresses, and linking a number anew.

#include "platform/qt/port_links.h"
#include "support/config_folder.h"
#include "support/test_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;
using velmora::platform::linkPort;
using velmora::platform::NetworkAddress;
using velmora::platform::networkAddressFromLinkTarget;
using velmora::platform::portDestination;
using velmora::platform::portLinkPath;

using MaybeAddress = std::optional<NetworkAddress>;
Q_DECLARE_METATYPE(MaybeAddress)

class PortLinksTest : public QObject {
    Q_OBJECT

private slots:
    void destinationOfEachKindOfLink_data();
    void destinationOfEachKindOfLink();
    void configFolderFallsBackToHome_data();
    void configFolderFallsBackToHome();
    void networkLinkTargets_data();
    void networkLinkTargets();
    void linkingReplacesWhatThePortLedTo();
    void linkingWhereNoLinkCanBeMadeSaysWhy();

private:
    void pointLink(int port, const QString& target) const {
        QFile::remove(config_.portLink(port));
        QVERIFY(QFile::link(target, config_.portLink(port)));
    }

    velmora::testing::ConfigFolder config_;
};

void PortLinksTest::destinationOfEachKindOfLink_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<QString>("device");
    QTest::addColumn<MaybeAddress>("network");

    const QString device = config_.path() + u"/ttyUSB0"_s;
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QString byId = config_.path() + u"/usb-adapter"_s;
    QVERIFY(QFile::link(device, byId));
    pointLink(5, device);
    pointLink(6, byId);
    pointLink(7, u"/nonexistent/ttyUSB9"_s);
    // Made with ln -s, as the README shows: a target that is no file.
    QVERIFY(QFile::remove(config_.portLink(8)));
    QCOMPARE(::symlink("tcp://192.0.2.7:4001", QFile::encodeName(config_.portLink(8))), 0);
    for (const int port : {1, 12}) {
        QVERIFY(QFile::remove(config_.portLink(port)));
    }

    const QString canonicalDevice = QFileInfo(device).canonicalFilePath();
    QTest::newRow("link to a device") << 5 << device << canonicalDevice << MaybeAddress();
    QTest::newRow("link to a link to a device") << 6 << byId << canonicalDevice << MaybeAddress();
    QTest::newRow("link pointing nowhere")
        << 7 << u"/nonexistent/ttyUSB9"_s << u"/nonexistent/ttyUSB9"_s << MaybeAddress();
    QTest::newRow("link to a network address")
        << 8 << u"tcp://192.0.2.7:4001"_s << QString()
        << MaybeAddress(NetworkAddress{u"192.0.2.7"_s, 4001});
    QTest::newRow("no link, port 1") << 1 << QString() << u"/dev/ttyS0"_s << MaybeAddress();
    QTest::newRow("no link, port 12") << 12 << QString() << u"/dev/ttyS11"_s << MaybeAddress();
}

void PortLinksTest::destinationOfEachKindOfLink() {
    QFETCH(int, port);
    QFETCH(QString, linkTarget);
    QFETCH(QString, device);
    QFETCH(MaybeAddress, network);
    const auto destination = portDestination(port);
    QCOMPARE(destination.linkTarget, linkTarget);
    QCOMPARE(destination.device, device);
    QCOMPARE(destination.network, network);
}

void PortLinksTest::configFolderFallsBackToHome_data() {
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::newRow("not set") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("relative") << QByteArray("relative/config");
}

void PortLinksTest::configFolderFallsBackToHome() {
    QFETCH(QByteArray, xdgConfigHome);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    qputenv("HOME", home.path().toLocal8Bit());
    if (xdgConfigHome.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    }
    const QString ports = home.path() + u"/.config/velmora/ports"_s;
    QVERIFY(QDir().mkpath(ports));
    QVERIFY(QFile::link(u"/nonexistent/ttyACM0"_s, ports + u"/COM3"_s));

    QCOMPARE(portLinkPath(3), ports + u"/COM3"_s);
    QCOMPARE(portDestination(3).device, u"/nonexistent/ttyACM0"_s);
}

void PortLinksTest::networkLinkTargets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<MaybeAddress>("address");
    QTest::newRow("address") << u"tcp://192.0.2.7:4001"_s
                             << MaybeAddress(NetworkAddress{u"192.0.2.7"_s, 4001});
    QTest::newRow("host name") << u"tcp://zender-noord.example:2001"_s
                               << MaybeAddress(NetworkAddress{u"zender-noord.example"_s, 2001});
    QTest::newRow("IPv6") << u"tcp://[2001:db8::7]:4001"_s
                          << MaybeAddress(NetworkAddress{u"2001:db8::7"_s, 4001});
    QTest::newRow("trailing slash")
        << u"tcp://192.0.2.7:4001/"_s << MaybeAddress(NetworkAddress{u"192.0.2.7"_s, 4001});
    QTest::newRow("no port") << u"tcp://192.0.2.7"_s << MaybeAddress();
    QTest::newRow("port 0") << u"tcp://192.0.2.7:0"_s << MaybeAddress();
    QTest::newRow("port too large") << u"tcp://192.0.2.7:65536"_s << MaybeAddress();
    QTest::newRow("no host") << u"tcp://:4001"_s << MaybeAddress();
    QTest::newRow("path") << u"tcp://192.0.2.7:4001/dev/ttyS0"_s << MaybeAddress();
    QTest::newRow("other scheme") << u"telnet://192.0.2.7:23"_s << MaybeAddress();
    QTest::newRow("device") << u"/dev/ttyUSB0"_s << MaybeAddress();
    QTest::newRow("relative device") << u"tcp:/dev/ttyUSB0"_s << MaybeAddress();
}

void PortLinksTest::networkLinkTargets() {
    QFETCH(QString, target);
    QFETCH(MaybeAddress, address);
    QCOMPARE(networkAddressFromLinkTarget(target), address);
    if (address) {
        QCOMPARE(networkAddressFromLinkTarget(address->linkTarget()), address);
    }
}

// A number linked to a device, then to a network address, then to a device
// again; a port without a link gets one.
void PortLinksTest::linkingReplacesWhatThePortLedTo() {
    const QString device = config_.path() + u"/ttyACM3"_s;
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(QFile::remove(config_.portLink(20)));

    QVERIFY(linkPort(20, device).ok());
    QCOMPARE(portDestination(20).device, QFileInfo(device).canonicalFilePath());

    const NetworkAddress server{u"192.0.2.9"_s, 2001};
    QVERIFY(linkPort(20, server.linkTarget()).ok());
    QCOMPARE(portDestination(20).network, MaybeAddress(server));
    QCOMPARE(portDestination(20).device, QString());

    QVERIFY(linkPort(20, u"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"_s).ok());
    QCOMPARE(portDestination(20).linkTarget, u"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"_s);
    QCOMPARE(portDestination(20).network, MaybeAddress());
    // Nothing is left beside the link.
    QCOMPARE(QDir(config_.path() + u"/velmora/ports"_s).entryList({u"COM20.*"_s}, QDir::System),
             QStringList());
}

// The folder of the links is taken by a file: nothing is linked, and the
// reason is the system's.
void PortLinksTest::linkingWhereNoLinkCanBeMadeSaysWhy() {
    QTemporaryDir home;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", oldConfig); });
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QVERIFY(QDir().mkpath(home.path() + u"/velmora"_s));
    QFile blocker(home.path() + u"/velmora/ports"_s);
    QVERIFY(blocker.open(QIODevice::WriteOnly));

    const auto status = linkPort(2, u"/dev/ttyUSB0"_s);

    QVERIFY(!status.ok());
    QVERIFY(!status.reason().empty());
    QVERIFY(!QFileInfo(portLinkPath(2)).isSymLink());
}

VELMORA_TEST_MAIN(PortLinksTest)
#include "port_links_test.moc"
