// "Alle zenders vullen" against three encoder-sims at once: one that answers,
// one that is silent and one that corrupts an answer, each with one honest
// row in the result window and no message window for any of them.

#include "settings/encoder_list.h"
#include "settings/settings_schema.h"
#include "support/config_folder.h"
#include "support/encoder_sim_process.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/program.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::station::SetKind;

namespace {

const QString kResultWindow = u"frmZendersResultaat"_s;

QStringList row(const QTableWidget& rows, int index) {
    QStringList cells;
    for (int column = 0; column < rows.columnCount(); ++column) {
        cells.append(rows.item(index, column)->text());
    }
    return cells;
}

} // namespace

class GroupEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void fillAndVerifyEveryEncoderAtOnce();

private:
    ConfigFolder config_;
};

void GroupEndToEndTest::fillAndVerifyEveryEncoderAtOnce() {
    EncoderSimProcess answering(31);
    EncoderSimProcess silent(32, {u"--silent"_s});
    EncoderSimProcess corrupting(33, {u"--corrupt"_s, u"5"_s, u"--tcp"_s, u"0"_s});
    for (EncoderSimProcess* sim : {&answering, &silent, &corrupting}) {
        QVERIFY2(sim->waitUntilReady(), sim->log().constData());
    }
    Program program(config_.path());
    ModalWatcher watcher;
    QVERIFY(velmora::settings::writeEncoderList(program.settings(), {{"Zender Noord", 31, true},
                                                                     {"Zender Zuid", 32, true},
                                                                     {"Studio", 33, true},
                                                                     {"Reserve", 34, false}})
                .ok());
    QVERIFY(
        velmora::settings::writeFlag(program.settings(), velmora::settings::kVerifyAfterFill, true)
            .ok());
    program.document().replaceSet(SetKind::ProgrammeService, "NOORD   1\r\n");
    program.document().replaceSet(SetKind::Radiotext, "Nieuws\r\n");
    program.document().setModified(false);

    program.runEnabled(u"mnuBewerken_allezendersvullen"_s);
    auto* summary = control<QLabel>(kResultWindow, u"lblSamenvatting"_s);
    QVERIFY(summary != nullptr);
    VELMORA_TRY_VERIFY(summary->text().startsWith(u"Klaar"_s), 3 * kDeadlineMs);

    const auto& rows = *control<QTableWidget>(kResultWindow, u"lstResultaat"_s);
    QCOMPARE(rows.rowCount(), 3);
    QCOMPARE(row(rows, 0), (QStringList{u"Zender Noord"_s, u"31"_s, u"RDS-SIM1 1.2"_s,
                                        u"Gevuld, geen verschillen"_s}));
    QCOMPARE(row(rows, 1), (QStringList{u"Zender Zuid"_s, u"32"_s, QString(),
                                        u"Encoder antwoord niet, probeer het nogmaals."_s}));
    QCOMPARE(row(rows, 2),
             (QStringList{u"Studio"_s, u"33"_s, u"RDS-SIM1 1.2"_s, u"Gevuld, 1 verschil"_s}));
    QCOMPARE(summary->text(), u"Klaar: 3 zenders: 1 gelukt, 1 met verschillen, 1 mislukt"_s);
    // The greeting, the fill, the read request and the disconnect request.
    QVERIFY(answering.waitForFrames(1 + 16 + 1 + 1));
    QCOMPARE(answering.receivedFrames().size(), 1 + 16 + 1 + 1);
    QCOMPARE(watcher.openedCount(), 0);
    QVERIFY(program.showsDisconnected());
    QVERIFY(!program.document().isModified());

    QFile log(qEnvironmentVariable("XDG_STATE_HOME") + u"/velmora/logboek.txt"_s);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("door groep, "), 3);
}

VELMORA_TEST_MAIN(GroupEndToEndTest)
#include "group_e2e_test.moc"
