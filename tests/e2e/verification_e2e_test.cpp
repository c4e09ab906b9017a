// "Velmora &controleren" against encoder-sim: a truthful list of differences,
// a time limit for an encoder that stops answering, and nothing the user had
// changes by verifying.

#include "fakes/settings_builders.h"
#include "settings/settings_schema.h"
#include "support/config_folder.h"
#include "support/open_window.h"
#include "support/program_with_simulator.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <string>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::station::SetKind;

namespace {

const QString kResultWindow = u"frmControle"_s;
const QString kVerify = u"mnuBewerken_velmoracontroleren"_s;

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// A document that differs from encoder-sim's sample content everywhere.
void fillInDocument(Program& program) {
    std::string names;
    for (int entry = 1; entry <= 10; ++entry) {
        names +=
            padded("ZENDER" + std::to_string(entry), 8) + (entry % 2 == 0 ? "1" : "0") + "\r\n";
    }
    std::string texts;
    for (int entry = 1; entry <= 5; ++entry) {
        texts += padded("Radiotekst nummer " + std::to_string(entry), 64) + "1\r\n";
    }
    program.document().replaceSet(SetKind::ProgrammeService, names);
    program.document().replaceSet(SetKind::Radiotext, texts);
    program.document().setModified(false);
    QVERIFY(velmora::fakes::withDecoder(program.settings(), {.programmeType = "12",
                                                             .frequencyCode = "5",
                                                             .psIntervalPosition = "1",
                                                             .psIntervalSeconds = "4",
                                                             .rtIntervalPosition = "5",
                                                             .rtIntervalSeconds = "30"})
                .ok());
}

QString resultLine() {
    auto* line = control<QLabel>(kResultWindow, u"lblResultaat"_s);
    return line != nullptr ? line->text() : QString();
}

// The rows the result marks as different, by their item.
QStringList differingItems() {
    QStringList items;
    auto* list = control<QTreeWidget>(kResultWindow, u"lstControle"_s);
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(1) == u"VERSCHIL"_s) {
            items.append(list->topLevelItem(row)->text(0));
        }
    }
    return items;
}

// encoder-sim as this port, connected and filled with fillInDocument().
void startFilled(ProgramWithSimulator& session, int port, const QStringList& simOptions = {}) {
    QVERIFY(session.start(port, simOptions));
    fillInDocument(session.program);
    QVERIFY(session.connect());
    session.program.click(u"Versturen");
    QVERIFY(session.sim().waitForFrames(17));
    VELMORA_TRY_VERIFY(progressWindow() == nullptr, kDeadlineMs);
}

} // namespace

class VerificationEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { deletePendingWindows(); }
    void fillThenVerificationFindsNoDifference();
    void entryTheEncoderChangedIsTheOneDifference();
    void encoderThatStopsAnsweringEndsAfterTheTimeLimit();
    void verifyingLeavesTheDocumentAndTheDecoderKeysAlone();

private:
    ConfigFolder config_;
};

void VerificationEndToEndTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void VerificationEndToEndTest::fillThenVerificationFindsNoDifference() {
    ProgramWithSimulator session(config_.path());
    startFilled(session, 70);

    session.program.runEnabled(kVerify);

    QVERIFY(progressWindow() != nullptr);
    VELMORA_TRY_COMPARE(resultLine(), u"De encoder bevat precies wat het document aangeeft."_s,
                        kDeadlineMs);
    QCOMPARE(progressWindow(), nullptr);
    QCOMPARE(differingItems(), QStringList());
    QCOMPARE(session.sim().receivedFrames().constLast(), QByteArray("^B^G^E"));
}

// PS entry 4 comes back with its active flag turned over.
void VerificationEndToEndTest::entryTheEncoderChangedIsTheOneDifference() {
    ProgramWithSimulator session(config_.path());
    startFilled(session, 71, {u"--corrupt"_s, u"4"_s});

    session.program.runEnabled(kVerify);

    VELMORA_TRY_COMPARE(resultLine(), u"1 verschil gevonden."_s, kDeadlineMs);
    QCOMPARE(differingItems(), QStringList{u"PS 4"_s});
}

void VerificationEndToEndTest::encoderThatStopsAnsweringEndsAfterTheTimeLimit() {
    ProgramWithSimulator session(config_.path());
    startFilled(session, 72, {u"--partial-readout"_s, u"12"_s});

    session.program.runEnabled(kVerify);

    VELMORA_TRY_VERIFY(!resultLine().isEmpty(), 5000 + kDeadlineMs);
    QCOMPARE(progressWindow(), nullptr);
    QCOMPARE(resultLine(), u"4 verschillen gevonden."_s);
    QCOMPARE(control<QLabel>(kResultWindow, u"lblNietOntvangen"_s)->text(),
             u"De encoder antwoordde niet binnen 5 seconden. Niet ontvangen: RT 3, RT 4, RT 5, "
             u"Decoder."_s);
    QCOMPARE(differingItems(), (QStringList{u"RT 3"_s, u"RT 4"_s, u"RT 5"_s, u"Decoder"_s}));
}

void VerificationEndToEndTest::verifyingLeavesTheDocumentAndTheDecoderKeysAlone() {
    ProgramWithSimulator session(config_.path());
    QVERIFY(session.start(73, {u"--demo"_s}));
    fillInDocument(session.program);
    const std::string names = session.program.document().programmeServiceSet();
    const std::string texts = session.program.document().radiotextSet();
    QVERIFY(session.connect());

    session.program.runEnabled(kVerify);

    VELMORA_TRY_VERIFY(!resultLine().isEmpty(), kDeadlineMs);
    QCOMPARE(differingItems().size(), 16);
    QCOMPARE(session.program.document().programmeServiceSet(), names);
    QCOMPARE(session.program.document().radiotextSet(), texts);
    QVERIFY(!session.program.document().isModified());
    QCOMPARE(session.program.setting(velmora::settings::kPsIntervalSeconds), "4");
    QCOMPARE(session.program.setting(velmora::settings::kRtIntervalPosition), "5");
    QCOMPARE(session.program.statusText(), kConnectedText);
}

VELMORA_TEST_MAIN(VerificationEndToEndTest)
#include "verification_e2e_test.moc"
