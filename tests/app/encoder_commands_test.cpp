// The encoder commands of the real main window, over the fake serial line and
// the hand-driven pacing timer of the station, and what they leave in the log.

#include "support/program.h"
#include "support/station.h"
#include "support/test_main.h"

#include <QAction>
#include <QTest>

using namespace Qt::StringLiterals;
using velmora::testing::isBusy;
using velmora::testing::menuItem;
using velmora::testing::progressValue;
using velmora::testing::Station;
using velmora::testing::toolbarEntry;

class EncoderCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void fillPutsEachFrameOnTheLineAtATick();
    void exitLetsGoOfThePortWithoutARequest();
};

void EncoderCommandsTest::fillPutsEachFrameOnTheLineAtATick() {
    Station station;
    station.window.show();
    station.connect();

    toolbarEntry(station.window, u"Versturen")->trigger();
    QVERIFY(isBusy());
    QCOMPARE(progressValue(), 0);
    QVERIFY(station.line.writes().empty());

    int ticks = 0;
    while (station.pacingTimer.fire()) {
        ++ticks;
        QCOMPARE(station.line.writes().size(), static_cast<std::size_t>(ticks));
    }
    QCOMPARE(ticks, 16);
    QVERIFY(!isBusy());
    QCOMPARE(progressValue(), -1);
    QCOMPARE(station.logFile.lines.size(), std::size_t{3});
    QVERIFY(station.logFile.lines.back().ends_with(" Vullen door gebruiker voltooid"));
}

void EncoderCommandsTest::exitLetsGoOfThePortWithoutARequest() {
    Station station;
    station.window.show();
    station.connect();

    menuItem(station.window, u"mnuBestand_afsluiten"_s)->trigger();

    QVERIFY(!station.line.isOpen());
    QVERIFY(station.line.writes().empty());
    QVERIFY(!station.window.isVisible());
}

VELMORA_TEST_MAIN(EncoderCommandsTest)
#include "encoder_commands_test.moc"
