// velmora-cli as a process against three encoder-sims at once: each port
// says how it fared in its own line, the worst outcome decides the exit
// status, and the run is in the log.

#include "platform/qt/qt_log_file.h"
#include "station/station_file.h"
#include "support/disk_files.h"
#include "support/encoder_sim_process.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;

class CliEndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void fillsAndVerifiesEveryPortOnItsOwn();
};

void CliEndToEndTest::fillsAndVerifiesEveryPortOnItsOwn() {
    EncoderSimProcess answering(1);
    EncoderSimProcess silent(2, {u"--silent"_s});
    EncoderSimProcess corrupting(3, {u"--corrupt"_s, u"5"_s});
    for (EncoderSimProcess* sim : {&answering, &silent, &corrupting}) {
        QVERIFY(sim->waitUntilReady());
    }
    QTemporaryDir folder;
    const QString file = folder.filePath(u"ochtend.Rds"_s);
    QVERIFY(writeFile(file, QByteArray::fromStdString(
                                velmora::station::composeStationFile("RADIO NL1\r\n", ""))));

    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    cli.start(QStringLiteral(VELMORA_CLI),
              {u"vullen"_s, file, u"--poort"_s, u"1,2,3"_s, u"--controleren"_s});
    VELMORA_TRY_VERIFY(cli.state() == QProcess::NotRunning, 3 * kDeadlineMs);

    QCOMPARE(cli.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             (QStringList{u"Poort 1 (RDS-SIM1 1.2): Gevuld, geen verschillen"_s,
                          u"Poort 2: Encoder antwoord niet, probeer het nogmaals."_s,
                          u"Poort 3 (RDS-SIM1 1.2): Gevuld, 1 verschil"_s}));
    const QByteArray log = fileBytes(velmora::platform::stateFolder() + u"/logboek.txt"_s);
    QVERIFY2(log.contains("Opdrachtregel: vullen en controleren " + file.toUtf8() + ", 3 zenders"),
             log.constData());
    QCOMPARE(log.count("Vullen en controleren door opdrachtregel, Poort "), 3);
}

VELMORA_TEST_MAIN(CliEndToEndTest)
#include "cli_e2e_test.moc"
