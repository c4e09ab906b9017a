// Fault drills: the program meets a noisy line, an encoder that vanishes, a
// read-out that never ends, a full disk, a read-only station file and a settings
// store it cannot write. After each one the program still runs, what it
// shows is true, and nothing the user had is lost.
//
// An encoder that stays silent after the greeting or after the disconnect
// request is drilled in connection_e2e_test.cpp (silentEncoderIsReported).

#include "fakes/file_system_faults.h"
#include "fakes/settings_builders.h"
#include "settings/settings_schema.h"
#include "shell/workspace.h"
#include "support/config_folder.h"
#include "support/disk_files.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/wait.h"
#include "widgets/child_windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <optional>
#include <string>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::fakes::FileSizeLimit;
using velmora::fakes::OrdinaryFileAccess;
using velmora::station::SetKind;

namespace {

const QString kPortLost =
    u"De poort is niet meer aanwezig; de verbinding met de Encoder is verbroken"_s;
const QString kSettingsNotSaved = u"De instellingen konden niet worden opgeslagen: "_s;

// Full sets that differ from anything encoder-sim holds.
std::string userSet(SetKind kind) {
    const bool names = kind == SetKind::ProgrammeService;
    std::string set;
    for (char entry = '0'; entry < (names ? '9' + 1 : '5'); ++entry) {
        std::string text = (names ? "EIGEN " : "Eigen radiotekst ") + std::string(1, entry);
        text.resize(names ? 8 : 64, ' ');
        set += text + "1\r\n";
    }
    return set;
}

// What the user has: the document and the decoder information.
struct Holdings {
    std::string programmeService;
    std::string radiotext;
    bool modified = false;
    velmora::fakes::DecoderTexts decoder;

    bool operator==(const Holdings&) const = default;
};

Holdings holdingsOf(Program& program) {
    const auto& document = program.document();
    return {document.programmeServiceSet(), document.radiotextSet(), document.isModified(),
            velmora::fakes::decoderTextsOf(program.settings())};
}

// Gives the program the user's sets, unmodified, and decoder information.
bool giveUserHoldings(Program& program) {
    auto& document = program.document();
    document.replaceSet(SetKind::ProgrammeService, userSet(SetKind::ProgrammeService));
    document.replaceSet(SetKind::Radiotext, userSet(SetKind::Radiotext));
    document.setModified(false);
    return velmora::fakes::withDecoder(program.settings(), {.programmeType = "7",
                                                            .frequencyCode = "12",
                                                            .psIntervalPosition = "2",
                                                            .psIntervalSeconds = "5",
                                                            .rtIntervalPosition = "0",
                                                            .rtIntervalSeconds = "25"})
        .ok();
}

// The set a read-out of the first `received` entries builds from what the
// simulator holds, in a run that received nothing before.
std::string setFromEncoder(const QMap<QByteArray, QByteArray>& stored, const QByteArray& kind,
                           int entries, int received) {
    std::string set;
    for (int entry = 0; entry < entries; ++entry) {
        if (entry < received) {
            set += stored.value(kind + ' ' + QByteArray::number(entry)).toStdString();
        }
        set += "\r\n";
    }
    return set;
}

constexpr QFileDevice::Permissions kOpenToAll =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

QWidget* decoderWindow(Program& program) {
    return velmora::widgets::findChildWindow(workspace(program.window()),
                                             u"frmDecoder_informatie"_s);
}

} // namespace

class FaultDrillsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void megabyteOfNoiseChangesNothing();
    void encoderVanishingMidTransferIsReported_data();
    void encoderVanishingMidTransferIsReported();
    void readOutThatNeverCompletesIsDismissedByTheUser();
    void failedSaveKeepsTheOldFileAndTheChanges_data();
    void failedSaveKeepsTheOldFileAndTheChanges();
    void unwritableSettingsStoreIsReported_data();
    void unwritableSettingsStoreIsReported();

private:
    ConfigFolder config_;
};

void FaultDrillsTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

// Right after the identification the encoder sends a megabyte of random
// bytes, carets and end marks among them, though no start mark.
void FaultDrillsTest::megabyteOfNoiseChangesNothing() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(21, {u"--demo"_s, u"--burst"_s, QString::number(1 << 20)}));
    const auto stored = session.sim().storedState();
    QVERIFY(giveUserHoldings(session.program));
    const Holdings before = holdingsOf(session.program);

    QVERIFY(session.connect());
    VELMORA_TRY_VERIFY(session.sim().log().contains(" ms sent burst of "), kDeadlineMs);

    QVERIFY(session.program.showsConnected());
    QVERIFY(holdingsOf(session.program) == before);
    // The answers of a read-out come behind the noise and must arrive intact.
    session.program.click(u"Inladen");
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
    const auto& document = session.program.document();
    QCOMPARE(document.programmeServiceSet(), setFromEncoder(stored, "ps", 10, 10));
    QCOMPARE(document.radiotextSet(), setFromEncoder(stored, "rt", 5, 5));
    QCOMPARE(session.program.setting(velmora::settings::kRtIntervalSeconds), std::string("30"));
    QVERIFY(session.program.showsConnected());
    QCOMPARE(session.watcher.openedCount(), 1); // the hardware window of the connect
}

void FaultDrillsTest::encoderVanishingMidTransferIsReported_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("framesBeforeVanishing");
    // The greeting, then ten PS frames and two of the RT frames.
    QTest::newRow("during a fill") << u"Versturen"_s << 13;
    // The greeting, then the read request, which goes unanswered.
    QTest::newRow("during a read-out") << u"Inladen"_s << 2;
}

void FaultDrillsTest::encoderVanishingMidTransferIsReported() {
    QFETCH(QString, command);
    QFETCH(int, framesBeforeVanishing);
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(
        22, {u"--demo"_s, u"--vanish-after"_s, QString::number(framesBeforeVanishing)}));
    QVERIFY(giveUserHoldings(session.program));
    QVERIFY(session.program.reconnectAfterLoss(false));
    const Holdings before = holdingsOf(session.program);
    QVERIFY(session.connect());

    session.program.click(command);

    VELMORA_TRY_COMPARE(session.watcher.closed().size(), 2, kDeadlineMs);
    QCOMPARE(session.watcher.closed().constLast().name, u"frmWaarschuwing"_s);
    QCOMPARE(session.watcher.closed().constLast().message, kPortLost);
    QVERIFY(session.watcher.closed().constLast().messageFits);
    QVERIFY(session.program.window().isVisible());
    QVERIFY(session.program.showsDisconnected());
    QVERIFY(!session.program.isPortOpen());
    QCOMPARE(progressWindow(), nullptr);
    QVERIFY(!isBusy());
    QVERIFY(holdingsOf(session.program) == before);
    QVERIFY(session.sim().waitUntilGone());
    QCOMPARE(session.sim().receivedFrames().size(), framesBeforeVanishing);
}

// The encoder answers twelve of the sixteen messages of a read-out, and the
// user closes the progress window with its close box.
void FaultDrillsTest::readOutThatNeverCompletesIsDismissedByTheUser() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(23, {u"--demo"_s, u"--partial-readout"_s, u"12"_s}));
    const auto stored = session.sim().storedState();
    QVERIFY(giveUserHoldings(session.program));
    const Holdings before = holdingsOf(session.program);
    QVERIFY(session.connect());
    session.program.click(u"Inladen");
    VELMORA_TRY_COMPARE(progressValue(), 12, kDeadlineMs);

    QVERIFY(progressWindow()->close());

    QCOMPARE(progressWindow(), nullptr);
    QVERIFY(session.program.window().isVisible());
    QVERIFY(session.program.showsConnected());
    QVERIFY(!isBusy());
    // What arrived is taken, the rest stays as it was.
    const Holdings after = holdingsOf(session.program);
    QCOMPARE(after.programmeService, setFromEncoder(stored, "ps", 10, 10));
    QCOMPARE(after.radiotext, setFromEncoder(stored, "rt", 5, 2));
    QVERIFY(after.modified);
    QVERIFY(after.decoder == before.decoder);
    // The connection is still in working order: the encoder signs off.
    session.program.click(u"Verbinding");
    VELMORA_TRY_COMPARE(session.watcher.closed().size(), 2, kDeadlineMs);
    QCOMPARE(session.watcher.closed().constLast().frameCaption,
             u"De volgende hardware meld zich af"_s);
    QVERIFY(session.program.showsDisconnected());
    QCOMPARE(session.watcher.openedCount(), 2);
}

void FaultDrillsTest::failedSaveKeepsTheOldFileAndTheChanges_data() {
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("onExit");
    QTest::newRow("disk full, Opslaan") << true << false;
    QTest::newRow("disk full, save prompt on exit") << true << true;
    QTest::newRow("read-only file, Opslaan") << false << false;
    QTest::newRow("read-only file, save prompt on exit") << false << true;
}

void FaultDrillsTest::failedSaveKeepsTheOldFileAndTheChanges() {
    QFETCH(bool, diskFull);
    QFETCH(bool, onExit);
    QTemporaryDir stations;
    QVERIFY(QFile::setPermissions(stations.path(), kOpenToAll));
    const QString folder = stations.filePath(u"zenders"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/zender.Rds"_s;
    const QByteArray old(447, 'o');
    QVERIFY(writeFile(path, old));
    Program program(config_.path());
    auto& document = program.document();
    document.setFileName(path.toStdString());
    QVERIFY(giveUserHoldings(program));
    document.setModified(true);
    const Holdings before = holdingsOf(program);
    ModalWatcher watcher(pressIn(u"frmOpslaan"_s, u"cmdJa"_s));

    if (diskFull) {
        const FileSizeLimit limit(128);
        onExit ? program.exit() : program.click(u"Opslaan");
    } else {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
        const OrdinaryFileAccess access;
        if (!access.holds()) {
            QSKIP("file permissions cannot be made to hold for root here");
        }
        onExit ? program.exit() : program.click(u"Opslaan");
    }
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // The exit asks first, and its "&Ja" saves.
    const qsizetype answered = onExit ? 2 : 1;
    QCOMPARE(watcher.closed().size(), answered);
    if (onExit) {
        QCOMPARE(watcher.closed().constFirst().name, u"frmOpslaan"_s);
    }
    const QString message = watcher.closed().constLast().message;
    const QString prefix = u"Het bestand "_s + path + u" kon niet worden opgeslagen: "_s;
    QVERIFY2(message.startsWith(prefix) && message.size() > prefix.size(), qPrintable(message));
    QVERIFY(watcher.closed().constLast().messageFits);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"zender.Rds"_s});
    QVERIFY(program.window().isVisible());
    QVERIFY(holdingsOf(program) == before);
    QCOMPARE(document.fileName(), path.toStdString());
    // Once the fault is mended, the changes can still be saved.
    program.click(u"Opslaan");
    QCOMPARE(watcher.closed().size(), answered);
    QCOMPARE(fileBytes(path).toStdString(), before.programmeService + "\r\n" + before.radiotext);
    QVERIFY(program.window().isVisible());
}

void FaultDrillsTest::unwritableSettingsStoreIsReported_data() {
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("byReadOut");
    QTest::newRow("folder turned into a file, read-out") << false << true;
    QTest::newRow("folder turned into a file, decoder editor") << false << false;
    QTest::newRow("disk full, read-out") << true << true;
    QTest::newRow("disk full, decoder editor") << true << false;
}

// The decoder information is written by a read-out and by its editor; the
// store fails while the program runs.
void FaultDrillsTest::unwritableSettingsStoreIsReported() {
    QFETCH(bool, diskFull);
    QFETCH(bool, byReadOut);
    const QString store = config_.path() + u"/instellingen"_s;
    const QString storeAside = store + u".weg"_s;
    ProgramWithSimulator session(store);
    QVERIFY(giveUserHoldings(session.program));
    const Holdings before = holdingsOf(session.program);
    if (byReadOut) {
        QVERIFY(session.start(24, {u"--demo"_s}));
        QVERIFY(session.connect());
    } else {
        emit menuItem(session.program.window(), u"mnuInstellingen_decoderinformatie"_s)
            ->triggered();
        QVERIFY(decoderWindow(session.program) != nullptr);
        decoderWindow(session.program)
            ->findChild<QComboBox*>(u"cmbProgramma"_s)
            ->setCurrentIndex(9);
    }
    const qsizetype closedBefore = session.watcher.closed().size();
    if (!diskFull) {
        QVERIFY(QDir().rename(store, storeAside));
        QVERIFY(writeFile(store, "geen map"));
    }

    {
        std::optional<FileSizeLimit> limit;
        if (diskFull) {
            limit.emplace(64);
        }
        if (byReadOut) {
            session.program.click(u"Inladen");
        } else {
            decoderWindow(session.program)->findChild<QPushButton*>(u"cmdOk"_s)->click();
        }
        VELMORA_TRY_COMPARE(session.watcher.closed().size(), closedBefore + 1, kDeadlineMs);
    }

    const QString message = session.watcher.closed().constLast().message;
    QVERIFY2(message.startsWith(kSettingsNotSaved) && message.size() > kSettingsNotSaved.size(),
             qPrintable(message));
    QVERIFY(session.watcher.closed().constLast().messageFits);
    QVERIFY(session.program.window().isVisible());
    QCOMPARE(progressWindow(), nullptr);
    if (byReadOut) {
        QVERIFY(session.program.showsConnected());
    } else {
        // The editor stays open with the user's choice in it.
        QVERIFY(decoderWindow(session.program) != nullptr);
        QCOMPARE(decoderWindow(session.program)
                     ->findChild<QComboBox*>(u"cmbProgramma"_s)
                     ->currentIndex(),
                 9);
    }
    if (!diskFull) {
        QVERIFY(QFile::remove(store));
        QVERIFY(QDir().rename(storeAside, store));
    }
    QVERIFY(holdingsOf(session.program).decoder == before.decoder);
    if (!byReadOut) {
        decoderWindow(session.program)->findChild<QPushButton*>(u"cmdOk"_s)->click();
        QCOMPARE(session.program.setting(velmora::settings::kProgrammeType), std::string("9"));
        QCOMPARE(decoderWindow(session.program), nullptr);
    }
}

VELMORA_TEST_MAIN(FaultDrillsTest)
#include "fault_drills_e2e_test.moc"
