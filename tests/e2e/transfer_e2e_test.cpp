// Fill and read-out through the toolbar, a fill by the planning, with the
// real lines and timers against encoder-sim, and a port that vanishes during
// a fill; each over a pseudo-terminal and over TCP, as through a serial
// device server.

#include "fakes/fake_clock.h"
#include "fakes/settings_builders.h"
#include "station/station_file.h"
#include "support/config_folder.h"
#include "support/disk_files.h"
#include "support/open_window.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/user_input.h"
#include "support/wait.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <array>
#include <string>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::station::SetKind;

namespace {

// The decoder keys that a fill sends as "10005004030", the decoder
// information that encoder-sim starts with.
const velmora::fakes::DecoderTexts kDecoder{.programmeType = "10",
                                            .frequencyCode = "5",
                                            .psIntervalPosition = "1",
                                            .psIntervalSeconds = "4",
                                            .rtIntervalPosition = "5",
                                            .rtIntervalSeconds = "30"};

struct Entry {
    std::string text;
    char flag;
};

// Names with a code-page byte (0xC9, É) and with carets, which go out as they are.
const std::array<Entry, 10> kNames{{{"RADIO 1 ", '1'},
                                    {"CAF\xC9 FM ", '1'},
                                    {"A^B^E   ", '0'},
                                    {"NIEUWS  ", '1'},
                                    {"        ", '0'},
                                    {"SPORT   ", '1'},
                                    {"MUZIEK  ", '0'},
                                    {"WEER    ", '1'},
                                    {"VERKEER ", '1'},
                                    {"REGIO   ", '0'}}};

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

const std::array<Entry, 5> kTexts{{{padded("Welkom bij Radio 1", 64), '1'},
                                   {padded("Elk heel uur het nieuws \xE9\xE8", 64), '1'},
                                   {padded("", 64), '0'},
                                   {padded("Bel de studio: 0800-1234", 64), '1'},
                                   {std::string(64, '~'), '0'}}};

template <std::size_t N> std::string setOf(const std::array<Entry, N>& entries) {
    std::string set;
    for (const Entry& entry : entries) {
        set += entry.text + entry.flag + "\r\n";
    }
    return set;
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray frame(char command, const std::string& body) {
    return "^B^" + bytes(command + body) + "^E";
}

// The sixteen frames of a fill of kNames, kTexts and decoder information
// 10 / 5 / 4 / 30, in the order they must go out.
QList<QByteArray> expectedFill() {
    QList<QByteArray> frames;
    for (std::size_t entry = 0; entry < kNames.size(); ++entry) {
        frames.append(frame('P', std::to_string(entry) + kNames[entry].text + kNames[entry].flag));
    }
    for (std::size_t entry = 0; entry < kTexts.size(); ++entry) {
        frames.append(frame('R', std::to_string(entry) + kTexts[entry].text + kTexts[entry].flag));
    }
    frames.append("^B^D10005004030^E");
    return frames;
}

const QString kPlanningWindow = u"frmPlanning"_s;

// Sets the row of the planning window to this start time, every day, and this file.
int columnOf(const QTableWidget& entries, const QString& header) {
    for (int column = 0; column < entries.columnCount(); ++column) {
        if (entries.horizontalHeaderItem(column)->text() == header) {
            return column;
        }
    }
    return -1;
}

void planEntry(QTableWidget& entries, int row, const char* start, const QString& file) {
    auto* time = static_cast<QTimeEdit*>(entries.cellWidget(row, columnOf(entries, u"Tijd"_s)));
    time->setTime(QTime::fromString(QString::fromLatin1(start), u"HH:mm"_s));
    entries.item(row, columnOf(entries, u"Bestand"_s))->setText(file);
}

// The simulator's options, with those of the transport of this run.
QStringList over(QStringList options = {}) {
    QFETCH_GLOBAL(QStringList, transport);
    return options + transport;
}

} // namespace

class TransferEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void initTestCase();
    void fillSendsSixteenFramesInOrder();
    void planningFillsEachEntryAsItComesInForce();
    void readOutReplacesBothSetsAndTheDecoderKeys();
    void unfinishedReadOutCanBeDismissedAndStartedAgain();
    void portVanishingDuringFillEndsTheConnection();

private:
    ConfigFolder config_;
};

void TransferEndToEndTest::initTestCase_data() {
    QTest::addColumn<QStringList>("transport");
    QTest::newRow("serial line") << QStringList{};
    QTest::newRow("device server") << QStringList{u"--tcp"_s, u"0"_s};
}

void TransferEndToEndTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void TransferEndToEndTest::fillSendsSixteenFramesInOrder() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(11, over()));
    session.program.document().replaceSet(SetKind::ProgrammeService, setOf(kNames));
    session.program.document().replaceSet(SetKind::Radiotext, setOf(kTexts));
    QVERIFY(velmora::fakes::withDecoder(session.program.settings(), kDecoder).ok());
    QVERIFY(session.connect());

    session.program.click(u"Versturen");

    QVERIFY(progressWindow() != nullptr);
    QVERIFY(isBusy());
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
    QVERIFY(session.sim().waitForFrames(17));
    QCOMPARE(session.sim().receivedFrames().mid(1), expectedFill());
    const auto stored = session.sim().storedState();
    QCOMPARE(stored.value("ps 2"), QByteArray("A^B^E   0"));
    QCOMPARE(stored.value("rt 1"), bytes(kTexts[1].text + '1'));
    QCOMPARE(stored.value("decoder"), QByteArray("10005004030"));
    QVERIFY(!isBusy());
    QCOMPARE(session.program.statusText(), kConnectedText);
    QVERIFY(session.program.transferCommandsEnabled());
    QCOMPARE(session.watcher.openedCount(), 1); // the hardware window of the connect
}

// The night file is in force when the connection comes and goes out at once;
// two seconds later the morning's entry comes in force and its file follows.
void TransferEndToEndTest::planningFillsEachEntryAsItComesInForce() {
    QTemporaryDir folder;
    const QString night = folder.filePath(u"nacht.Rds"_s);
    const QString morning = folder.filePath(u"ochtend.Rds"_s);
    QVERIFY(writeFile(night, bytes(velmora::station::composeStationFile("", ""))));
    QVERIFY(writeFile(morning,
                      bytes(velmora::station::composeStationFile(setOf(kNames), setOf(kTexts)))));
    velmora::fakes::FakeClock clock;
    clock.time = {
        .year = 2026, .month = 12, .day = 7, .hour = 5, .minute = 59, .second = 58, .weekday = 0};
    ProgramWithSimulator session(config_.path(), &clock);
    QVERIFY(session.start(13, over()));
    QVERIFY(velmora::fakes::withDecoder(session.program.settings(), kDecoder).ok());
    session.program.document().replaceSet(SetKind::ProgrammeService, "ANDERS");
    session.program.document().setModified(false);
    session.program.runEnabled(u"mnuBewerken_planning"_s);
    auto* entries = control<QTableWidget>(kPlanningWindow, u"lstPlanning"_s);
    entries->setRowCount(0);
    click(kPlanningWindow, u"cmdToevoegen"_s);
    click(kPlanningWindow, u"cmdToevoegen"_s);
    planEntry(*entries, 0, "00:00", night);
    planEntry(*entries, 1, "06:00", morning);
    control<QCheckBox>(kPlanningWindow, u"chkGebruiken"_s)->setChecked(true);
    click(kPlanningWindow, u"cmdOk"_s);

    QVERIFY(session.connect());
    QVERIFY(session.sim().waitForFrames(1 + 16));
    clock.time.hour = 6;
    clock.time.minute = 0;

    QVERIFY(session.sim().waitForFrames(1 + 16 + 16));
    QCOMPARE(session.sim().receivedFrames().mid(1 + 16), expectedFill());
    QCOMPARE(session.program.document().set(SetKind::ProgrammeService), "ANDERS");
    QVERIFY(!session.program.document().isModified());
    QCOMPARE(session.watcher.openedCount(), 1); // the hardware window of the connect
}

void TransferEndToEndTest::readOutReplacesBothSetsAndTheDecoderKeys() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(12, over({u"--demo"_s})));
    const auto stored = session.sim().storedState();
    QCOMPARE(stored.value("decoder"), QByteArray("10005004030"));
    session.program.document().replaceSet(SetKind::ProgrammeService, setOf(kNames));
    session.program.document().replaceSet(SetKind::Radiotext, setOf(kTexts));
    session.program.document().setModified(false);
    QVERIFY(velmora::fakes::withDecoder(session.program.settings(), {.programmeType = "1",
                                                                     .frequencyCode = "2",
                                                                     .psIntervalPosition = "3",
                                                                     .psIntervalSeconds = "6",
                                                                     .rtIntervalPosition = "7",
                                                                     .rtIntervalSeconds = "32"})
                .ok());
    QVERIFY(session.connect());

    session.program.click(u"Inladen");

    QVERIFY(progressWindow() != nullptr);
    QVERIFY(!isBusy());
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
    QByteArray programmeService;
    for (int entry = 0; entry < 10; ++entry) {
        programmeService += stored.value("ps " + QByteArray::number(entry)) + "\r\n";
    }
    QByteArray radiotext;
    for (int entry = 0; entry < 5; ++entry) {
        radiotext += stored.value("rt " + QByteArray::number(entry)) + "\r\n";
    }
    QCOMPARE(bytes(session.program.document().programmeServiceSet()), programmeService);
    QCOMPARE(bytes(session.program.document().radiotextSet()), radiotext);
    QVERIFY(session.program.document().isModified());
    QVERIFY(velmora::fakes::decoderTextsOf(session.program.settings()) == kDecoder);
    QCOMPARE(session.sim().receivedFrames(), (QList<QByteArray>{"^B^I^E", "^B^G^E"}));
    QCOMPARE(session.program.statusText(), kConnectedText);
}

// The encoder sends three of its sixteen answers: the progress window waits,
// the user closes it, and the next read-out shows a window of its own again.
void TransferEndToEndTest::unfinishedReadOutCanBeDismissedAndStartedAgain() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(14, over({u"--demo"_s, u"--partial-readout"_s, u"3"_s})));
    QVERIFY(session.connect());
    session.program.click(u"Inladen");
    VELMORA_TRY_COMPARE(progressValue(), 3, kDeadlineMs);

    progressWindow()->close();
    QCOMPARE(progressWindow(), nullptr);
    session.program.click(u"Inladen");

    QCOMPARE(progressValue(), 0);
    VELMORA_TRY_COMPARE(progressValue(), 3, kDeadlineMs);
    QCOMPARE(session.sim().receivedFrames(), (QList<QByteArray>{"^B^I^E", "^B^G^E", "^B^G^E"}));
}

// The device disappears after the fifth PS frame: the program reports it,
// shows Disconnected, and connects again once the device is back.
void TransferEndToEndTest::portVanishingDuringFillEndsTheConnection() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(13, over({u"--vanish-after"_s, u"6"_s})));
    QVERIFY(session.program.reconnectAfterLoss(false));
    QVERIFY(session.connect());

    session.program.click(u"Versturen");

    VELMORA_TRY_VERIFY(session.watcher.closed().size() == 2, kDeadlineMs);
    QCOMPARE(session.watcher.closed().constLast().name, u"frmWaarschuwing"_s);
    QCOMPARE(session.watcher.closed().constLast().message,
             u"De poort is niet meer aanwezig; de verbinding met de Encoder is verbroken"_s);
    QVERIFY(session.watcher.closed().constLast().messageFits);
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(progressWindow(), nullptr);
    QVERIFY(!isBusy());
    QVERIFY(session.sim().waitUntilGone());
    QCOMPARE(session.sim().receivedFrames().size(), 6);

    QVERIFY(session.start(13, over()));
    QVERIFY(session.connect());
    QVERIFY(session.program.transferCommandsEnabled());
}

VELMORA_TEST_MAIN(TransferEndToEndTest)
#include "transfer_e2e_test.moc"
