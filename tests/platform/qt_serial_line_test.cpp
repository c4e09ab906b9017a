// The Qt serial line against encoder-sim on a pseudo-terminal.

#include "platform/qt/port_links.h"
#include "platform/qt/qt_serial_line.h"
#include "support/config_folder.h"
#include "support/encoder_sim_process.h"
#include "support/test_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <grp.h>
#include <iostream>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using velmora::platform::QtSerialLine;
using OpenResult = velmora::platform::SerialLine::OpenResult;
using velmora::testing::EncoderSimProcess;
using velmora::testing::kDeadlineMs;

namespace {

const QByteArray greeting = "^B^I^E";
const QByteArray identification = "^B^I12120302RDS-SIM1^E";

// Everything the line hands to its receive handler, in order.
class Collector {
public:
    explicit Collector(QtSerialLine& line) {
        line.setReceiveHandler([this](std::string_view bytes) {
            bytes_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        });
    }
    bool waitFor(qsizetype count) const {
        return QTest::qWaitFor([this, count] { return bytes_.size() >= count; }, kDeadlineMs);
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

void write(QtSerialLine& line, const QByteArray& bytes) {
    line.write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QByteArray frame(char command, const QByteArray& body) {
    return "^B^" + (command + body) + "^E";
}

// A fill whose payloads run through every byte value but the caret, so that
// a line that is not 8-bit clean (CR, NL, XON/XOFF, parity bit) shows.
QByteArray fillWithEveryByteValue() {
    int next = 0;
    const auto payload = [&next](int length) {
        QByteArray bytes;
        while (bytes.size() < length) {
            const auto byte = static_cast<char>(next++ % 256);
            if (byte != '^') {
                bytes += byte;
            }
        }
        return bytes;
    };
    QByteArray fill;
    for (char entry = '0'; entry <= '9'; ++entry) {
        fill += frame('P', entry + payload(9));
    }
    for (char entry = '0'; entry <= '4'; ++entry) {
        fill += frame('R', entry + payload(65));
    }
    return fill + frame('D', "10005004030");
}

// The settings of this process's own open descriptor of the device, which is
// the one the line opened.
std::optional<termios> openLineSettings(const QString& device) {
    const QDir descriptors(u"/proc/self/fd"_s);
    for (const QString& entry : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFileInfo(descriptors.filePath(entry)).symLinkTarget() != device) {
            continue;
        }
        termios settings{};
        if (::tcgetattr(entry.toInt(), &settings) == 0) {
            return settings;
        }
    }
    return std::nullopt;
}

int holdPort(int port) {
    QtSerialLine line;
    if (line.open(port) != OpenResult::Opened) {
        std::cout << "failed" << std::endl;
        return 1;
    }
    std::cout << "held" << std::endl;
    for (std::string ignored; std::getline(std::cin, ignored);) {
    }
    return 0;
}

// Opens the device as a user without rights to it would: as nobody when this
// runs as root, through a port link of its own. Prints what the line said.
int openAsStranger(int argc, char** argv) {
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
            ::setuid(nobody->pw_uid) != 0) {
            std::cout << "no stranger to be" << std::endl;
            return 1;
        }
    }
    const QCoreApplication application(argc, argv);
    const QString device = QString::fromLocal8Bit(argv[2]);
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString ports = config.path() + u"/velmora/ports"_s;
    if (!QDir().mkpath(ports) || !QFile::link(device, ports + u"/COM1"_s)) {
        std::cout << "no port link" << std::endl;
        return 1;
    }
    QtSerialLine line;
    const bool noAccess = line.open(1) == OpenResult::NoAccess;
    const auto failure = line.accessFailure();
    std::cout << (noAccess ? "no access" : "another result") << '\n'
              << failure.device << '\n'
              << failure.remedy << std::endl;
    return 0;
}

} // namespace

class QtSerialLineTest : public QObject {
    Q_OBJECT

private slots:
    void lineRunsAt9600BaudEightBitsNoParityOneStopBitNoFlowControl();
    void simulatorAnswers_data();
    void simulatorAnswers();
    void missingPortGivesNoSuchPort_data();
    void missingPortGivesNoSuchPort();
    void portOpenElsewhereGivesPortInUse_data();
    void portOpenElsewhereGivesPortInUse();
    void openingAnOpenLineAgainGivesPortInUse();
    void deviceWithoutRightsGivesNoAccess_data();
    void deviceWithoutRightsGivesNoAccess();
    void vanishingDeviceClosesLineAndCallsLostHandler();
    void bytesArrivingWhileHandlerWaitsAreDelivered();

private:
    void linkPort(int port, const QString& target) const {
        QVERIFY(QFile::remove(config_.portLink(port)));
        QVERIFY(QFile::link(target, config_.portLink(port)));
    }

    // Read by the line here and inherited by every encoder-sim started.
    velmora::testing::ConfigFolder config_;
};

void QtSerialLineTest::simulatorAnswers_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("answer");

    const QByteArray blankName = "        0";
    QTest::newRow("greeting") << QStringList{} << greeting << identification;
    QTest::newRow("greeting, identity set by options")
        << QStringList{u"--id-version"_s, u"2.7"_s,       u"--id-date"_s,
                       u"24-11-30"_s,     u"--id-name"_s, u"RX-UNIT1"_s}
        << greeting << QByteArray("^B^I27241130RX-UNIT1^E");
    QTest::newRow("disconnect request")
        << QStringList{} << QByteArray("^B^S^E") << QByteArray("^B^S^E");
    // The greeting behind it shows that no sign-off came first.
    QTest::newRow("disconnect request, no sign-off")
        << QStringList{u"--no-sign-off"_s} << "^B^S^E" + greeting << identification;
    QTest::newRow("read request, partial read-out")
        << QStringList{u"--partial-readout"_s, u"2"_s} << "^B^G^E" + greeting
        << frame('P', '0' + blankName) + frame('P', '1' + blankName) + identification;
    const QByteArray fill = fillWithEveryByteValue();
    QTest::newRow("fill, then read request") << QStringList{} << fill + "^B^G^E" << fill;
}

void QtSerialLineTest::lineRunsAt9600BaudEightBitsNoParityOneStopBitNoFlowControl() {
    EncoderSimProcess simulator(26);
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine line;
    QCOMPARE(line.open(26), OpenResult::Opened);

    const auto settings = openLineSettings(QFileInfo(config_.portLink(26)).canonicalFilePath());
    QVERIFY(settings);
    QCOMPARE(::cfgetospeed(&*settings), speed_t{B9600});
    QCOMPARE(::cfgetispeed(&*settings), speed_t{B9600});
    QCOMPARE(settings->c_cflag & CSIZE, tcflag_t{CS8});
    QCOMPARE(settings->c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t{0});
    QCOMPARE(settings->c_iflag & (IXON | IXOFF | IXANY), tcflag_t{0});
}

void QtSerialLineTest::simulatorAnswers() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, answer);
    EncoderSimProcess simulator(21, options);
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine line;
    const Collector received(line);

    QCOMPARE(line.open(21), OpenResult::Opened);
    write(line, sent);

    QVERIFY(received.waitFor(answer.size()));
    QCOMPARE(received.bytes(), answer);
}

void QtSerialLineTest::missingPortGivesNoSuchPort_data() {
    QTest::addColumn<int>("port");
    linkPort(8, u"/nonexistent/ttyUSB0"_s);
    QTest::newRow("link pointing nowhere") << 8;
    QTest::newRow("link of the test folder, which points nowhere") << 250;
    QTest::newRow("port 0") << 0;
}

void QtSerialLineTest::missingPortGivesNoSuchPort() {
    QFETCH(int, port);
    QtSerialLine line;
    QCOMPARE(line.open(port), OpenResult::NoSuchPort);
    QVERIFY(!line.isOpen());
}

void QtSerialLineTest::portOpenElsewhereGivesPortInUse_data() {
    QTest::addColumn<bool>("inAnotherProgram");
    QTest::newRow("in this program") << false;
    QTest::newRow("in another program") << true;
}

void QtSerialLineTest::portOpenElsewhereGivesPortInUse() {
    QFETCH(bool, inAnotherProgram);
    EncoderSimProcess simulator(22);
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine holder;
    QProcess holderProgram;
    if (inAnotherProgram) {
        holderProgram.start(QCoreApplication::applicationFilePath(), {u"--hold-port"_s, u"22"_s});
        QVERIFY(QTest::qWaitFor([&] { return holderProgram.canReadLine(); }, kDeadlineMs));
        QCOMPARE(holderProgram.readLine(), QByteArray("held\n"));
    } else {
        QCOMPARE(holder.open(22), OpenResult::Opened);
    }

    QtSerialLine line;
    QCOMPARE(line.open(22), OpenResult::PortInUse);
    QVERIFY(!line.isOpen());

    // Once the holder lets go, the port opens: its lock went with it.
    if (inAnotherProgram) {
        holderProgram.closeWriteChannel();
        QVERIFY(holderProgram.waitForFinished(kDeadlineMs));
    } else {
        holder.close();
    }
    QCOMPARE(line.open(22), OpenResult::Opened);
}

void QtSerialLineTest::openingAnOpenLineAgainGivesPortInUse() {
    EncoderSimProcess simulator(23);
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine line;
    const Collector received(line);
    QCOMPARE(line.open(23), OpenResult::Opened);

    QCOMPARE(line.open(23), OpenResult::PortInUse);

    QVERIFY(line.isOpen());
    write(line, greeting);
    QVERIFY(received.waitFor(identification.size()));
    QCOMPARE(received.bytes(), identification);
}

void QtSerialLineTest::deviceWithoutRightsGivesNoAccess_data() {
    QTest::addColumn<mode_t>("mode");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("remedy");
    QTest::newRow("no rights for anyone")
        << mode_t{0} << QString() << u"Vraag uw beheerder u toegang te geven tot dit apparaat."_s;
    QTest::newRow("rights for the group dialout")
        << mode_t{0660} << u"dialout"_s
        << u"Vraag uw beheerder u toe te voegen aan de groep dialout."_s;
}

void QtSerialLineTest::deviceWithoutRightsGivesNoAccess() {
    QFETCH(mode_t, mode);
    QFETCH(QString, group);
    QFETCH(QString, remedy);
    EncoderSimProcess simulator(27);
    QVERIFY(simulator.waitUntilReady());
    const QByteArray device = velmora::platform::portDestination(27).device.toLocal8Bit();
    struct stat before = {};
    QCOMPARE(::stat(device.constData(), &before), 0);
    const auto restore = qScopeGuard([&] {
        (void)::chown(device.constData(), static_cast<uid_t>(-1), before.st_gid);
        (void)::chmod(device.constData(), before.st_mode & 07777);
    });
    if (!group.isEmpty()) {
        const struct group* owners = ::getgrnam(group.toLocal8Bit().constData());
        if (::geteuid() != 0 || owners == nullptr ||
            ::chown(device.constData(), static_cast<uid_t>(-1), owners->gr_gid) != 0) {
            QSKIP("only root can hand the device to a group it is not in");
        }
    }
    QCOMPARE(::chmod(device.constData(), mode), 0);

    QProcess stranger;
    stranger.start(QCoreApplication::applicationFilePath(),
                   {u"--open-as-stranger"_s, QString::fromLocal8Bit(device)});
    QVERIFY(stranger.waitForFinished(kDeadlineMs));
    const QStringList said = QString::fromLocal8Bit(stranger.readAllStandardOutput()).split(u'\n');
    if (said.value(0) == u"no stranger to be") {
        QSKIP("this system lets the test become no other user");
    }
    QCOMPARE(said.value(0), u"no access"_s);
    QCOMPARE(said.value(1), QString::fromLocal8Bit(device));
    QCOMPARE(said.value(2), remedy);
}

void QtSerialLineTest::vanishingDeviceClosesLineAndCallsLostHandler() {
    EncoderSimProcess simulator(24, {u"--vanish-after"_s, u"1"_s});
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine line;
    const Collector received(line);
    int lostCount = 0;
    line.setLostHandler([&] { ++lostCount; });
    QCOMPARE(line.open(24), OpenResult::Opened);

    write(line, greeting);

    QVERIFY(QTest::qWaitFor([&] { return lostCount > 0; }, kDeadlineMs));
    QVERIFY(!line.isOpen());
    write(line, greeting); // on a closed line: nothing happens
    QVERIFY(simulator.waitUntilGone());
    QCOMPARE(lostCount, 1);
    QVERIFY(received.bytes().isEmpty());
}

// A handler that shows a modal window waits in a nested event loop; bytes
// that arrive meanwhile must still reach it.
void QtSerialLineTest::bytesArrivingWhileHandlerWaitsAreDelivered() {
    EncoderSimProcess simulator(25);
    QVERIFY(simulator.waitUntilReady());
    QtSerialLine line;
    QByteArray received;
    bool waited = false;
    bool secondArrivedWhileWaiting = false;
    line.setReceiveHandler([&](std::string_view bytes) {
        received.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (!waited && received.size() >= identification.size()) {
            waited = true;
            write(line, greeting);
            secondArrivedWhileWaiting = QTest::qWaitFor(
                [&] { return received.size() >= 2 * identification.size(); }, kDeadlineMs);
        }
    });
    QCOMPARE(line.open(25), OpenResult::Opened);

    write(line, greeting);

    QVERIFY(QTest::qWaitFor([&] { return waited; }, kDeadlineMs));
    QVERIFY(secondArrivedWhileWaiting);
    QCOMPARE(received, identification + identification);
}

int main(int argc, char** argv) {
    // The holder runs in the configuration folder of the test that started it.
    if (argc == 3 && std::string_view(argv[1]) == "--hold-port") {
        const QCoreApplication application(argc, argv);
        return holdPort(QByteArray(argv[2]).toInt());
    }
    if (argc == 3 && std::string_view(argv[1]) == "--open-as-stranger") {
        return openAsStranger(argc, argv);
    }
    const velmora::testing::TestProcess process;
    const QCoreApplication application(argc, argv);
    QtSerialLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qt_serial_line_test.moc"
