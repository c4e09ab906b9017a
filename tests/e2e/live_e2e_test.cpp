// The live radiotext as a playout system feeds it: a text file written,
// rewritten and replaced beside a running connection to encoder-sim, and
// sent again when a lost line has healed by itself.

#include "support/config_folder.h"
#include "support/disk_files.h"
#include "support/open_window.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/user_input.h"
#include "support/wait.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::station::SetKind;

namespace {

const QString kLiveWindow = u"frmLive"_s;
// Within this time of a change, its frame is on the line.
constexpr int kLiveDeadlineMs = 1500;
// The first two automatic attempts, 2 and 4 s after the loss, and the connect.
constexpr int kReconnectDeadlineMs = 10'000;

// The RT frame of entry 2 that carries this text.
QByteArray liveFrame(const QByteArray& text) {
    return "^B^R1" + text.leftJustified(64, ' ') + "1^E";
}

qsizetype countOf(const QList<QByteArray>& frames, const QByteArray& frame) {
    return std::count(frames.begin(), frames.end(), frame);
}

// The RT frames for entry 2 among these.
QList<QByteArray> liveFrames(const QList<QByteArray>& frames) {
    QList<QByteArray> live;
    for (const QByteArray& frame : frames) {
        if (frame.startsWith("^B^R1")) {
            live.append(frame);
        }
    }
    return live;
}

} // namespace

class LiveEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writtenTextReachesTheEncoderWithoutTouchingTheDocument();
    void burstOfChangesSendsAtMostTwoFramesEndingWithTheLast();
    void fillIsFollowedByTheLiveText();
    void nothingGoesOutUntilAConnectionStandsThenOnce();
    void fileReplacedByARenameIsPickedUp();
    void lostLineHealsAndTheLiveTextGoesOutAgain_data();
    void lostLineHealsAndTheLiveTextGoesOutAgain();

private:
    // Sets up the live radiotext in its window as a user does: this file,
    // entry 2, no prefix, switched on.
    void switchOn(ProgramWithSimulator& session);
    void write(const QByteArray& text);

    ConfigFolder config_;
    QTemporaryDir playout_;
    QString file_ = playout_.filePath(u"nu-op-de-radio.txt"_s);
};

void LiveEndToEndTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void LiveEndToEndTest::switchOn(ProgramWithSimulator& session) {
    session.program.runEnabled(u"mnuBewerken_liveradiotekst"_s);
    control<QLineEdit>(kLiveWindow, u"txtBestand"_s)->setText(file_);
    control<QComboBox>(kLiveWindow, u"cmbRadiotekst"_s)->setCurrentText(u"2"_s);
    type(kLiveWindow, u"txtVoorvoegsel"_s, QString());
    control<QCheckBox>(kLiveWindow, u"chkAan"_s)->setChecked(true);
    click(kLiveWindow, u"cmdOk"_s);
}

// The playout system rewrites the file in place.
void LiveEndToEndTest::write(const QByteArray& text) {
    QFile file(file_);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text + "\n"), text.size() + 1);
}

void LiveEndToEndTest::writtenTextReachesTheEncoderWithoutTouchingTheDocument() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(60));
    session.program.document().replaceSet(SetKind::Radiotext, std::string(67 * 5, 'x'));
    session.program.document().setModified(false);
    write("Eerste titel");
    switchOn(session);
    QVERIFY(session.connect());
    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Eerste titel")),
                       kDeadlineMs);

    write("Radiohead - Reckoner");

    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Radiohead - Reckoner")),
                       kLiveDeadlineMs);
    QCOMPARE(session.program.document().radiotextSet(), std::string(67 * 5, 'x'));
    QVERIFY(!session.program.document().isModified());
    QCOMPARE(session.sim().storedState().value("rt 1"),
             QByteArray("Radiohead - Reckoner").leftJustified(64, ' ') + '1');
}

void LiveEndToEndTest::burstOfChangesSendsAtMostTwoFramesEndingWithTheLast() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(61));
    write("Voor de reeks");
    switchOn(session);
    QVERIFY(session.connect());
    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Voor de reeks")),
                       kDeadlineMs);
    QTest::qWait(1100); // the second of that frame is over
    const qsizetype before = session.sim().receivedFrames().size();

    for (int change = 1; change <= 50; ++change) {
        write("Titel " + QByteArray::number(change));
        QTest::qWait(10);
    }

    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Titel 50")),
                       kLiveDeadlineMs);
    QTest::qWait(1100);
    const QList<QByteArray> burst = liveFrames(session.sim().receivedFrames().mid(before));
    QVERIFY2(burst.size() <= 2, qPrintable(QString::number(burst.size())));
    QCOMPARE(burst.constLast(), liveFrame("Titel 50"));
}

void LiveEndToEndTest::fillIsFollowedByTheLiveText() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(62));
    write("Na de vulling");
    switchOn(session);
    QVERIFY(session.connect());
    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Na de vulling")),
                       kDeadlineMs);

    const qsizetype before = session.sim().receivedFrames().size();

    session.program.click(u"Versturen");

    QVERIFY(session.sim().waitForFrames(before + 17));
    const QList<QByteArray> frames = session.sim().receivedFrames().mid(before);
    QVERIFY(frames.at(15).startsWith("^B^D"));
    QCOMPARE(frames.at(16), liveFrame("Na de vulling"));
    QCOMPARE(session.sim().storedState().value("rt 1"),
             QByteArray("Na de vulling").leftJustified(64, ' ') + '1');
}

void LiveEndToEndTest::nothingGoesOutUntilAConnectionStandsThenOnce() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(63));
    switchOn(session);
    write("Zonder verbinding");
    QTest::qWait(kLiveDeadlineMs);

    QVERIFY(session.connect());

    VELMORA_TRY_VERIFY(session.sim().receivedFrames().size() == 2, kDeadlineMs);
    QTest::qWait(kLiveDeadlineMs);
    QCOMPARE(session.sim().receivedFrames(),
             (QList<QByteArray>{"^B^I^E", liveFrame("Zonder verbinding")}));
}

// The playout system writes a new file beside the old one and renames it over.
void LiveEndToEndTest::fileReplacedByARenameIsPickedUp() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(64));
    write("Oud bestand");
    switchOn(session);
    QVERIFY(session.connect());
    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Oud bestand")),
                       kDeadlineMs);

    QSaveFile replacement(file_);
    QVERIFY(replacement.open(QIODevice::WriteOnly));
    replacement.write("Nieuw bestand\n");
    QVERIFY(replacement.commit());

    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Nieuw bestand")),
                       kLiveDeadlineMs);
    QCOMPARE(countOf(session.sim().receivedFrames(), liveFrame("Nieuw bestand")), 1);
}

void LiveEndToEndTest::lostLineHealsAndTheLiveTextGoesOutAgain_data() {
    QTest::addColumn<QStringList>("transport");
    QTest::newRow("serial line") << QStringList{};
    QTest::newRow("device server") << QStringList{u"--tcp"_s, u"0"_s};
}

// The line vanishes after the greeting and the live text; the encoder comes
// back, and without a click the program is connected again and sends the
// live text, with the story in the log and no window but the first
// connect's hardware window.
void LiveEndToEndTest::lostLineHealsAndTheLiveTextGoesOutAgain() {
    QFETCH(QStringList, transport);
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(65, QStringList{u"--vanish-after"_s, u"2"_s} + transport));
    write("Voor de storing");
    switchOn(session);
    QVERIFY(session.connect());
    QVERIFY(session.sim().waitUntilGone());
    QVERIFY(session.start(65, transport));

    VELMORA_TRY_VERIFY(session.sim().receivedFrames().contains(liveFrame("Voor de storing")),
                       kReconnectDeadlineMs);
    QVERIFY(session.program.showsConnected());
    QCOMPARE(session.watcher.openedCount(), 1);
    const QByteArray log =
        fileBytes(qEnvironmentVariable("XDG_STATE_HOME") + u"/velmora/logboek.txt"_s);
    for (const char* line :
         {"Verbinding verloren", "Opnieuw verbinden over 2 s (poging 1)", "Verbonden met"}) {
        QVERIFY2(log.contains(line), line);
    }
}

VELMORA_TEST_MAIN(LiveEndToEndTest)
#include "live_e2e_test.moc"
