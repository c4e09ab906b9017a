#include "shell/hardware_window.h"
#include "shell/info_window.h"
#include "shell/logo.h"
#include "shell/transfer_progress.h"
#include "support/modal_watcher.h"
#include "support/test_main.h"
#include "widgets/warning_window.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using velmora::shell::HardwareReport;
using velmora::shell::HardwareRows;
using velmora::shell::HardwareWindow;
using velmora::shell::TransferProgress;
using velmora::testing::always;
using velmora::testing::Answer;
using velmora::testing::look;
using velmora::testing::ModalWatcher;
using velmora::testing::Reaction;
using velmora::testing::SeenWindow;
using velmora::widgets::WarningWindow;

namespace {

// The three values of the hardware window.
QStringList hardwareValues(const SeenWindow& seen) {
    return {seen.hardware, seen.version, seen.update};
}

const QString kSignOn = u"De volgende hardware meld zich aan"_s;
const QString kSignOff = u"De volgende hardware meld zich af"_s;

QStringList listOf(const HardwareRows& rows) {
    return {rows.hardware, rows.version, rows.update};
}

// Runs the action, which shows a modal window, and hands back what that
// window showed when the user pressed its "&Ok". The reaction may act while
// the window is open.
SeenWindow whileModal(const std::function<void()>& showModal,
                      Reaction reaction = always(Answer::pressOk())) {
    const ModalWatcher user(std::move(reaction));
    showModal();
    return user.closed().size() == 1 ? user.closed().constFirst() : SeenWindow();
}

} // namespace

class InformationWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void messageShowsTextAndOkButton();
    void progressShowsOnlyTheBar();
    void messageAfterProgressIsAMessageAgain();
    void progressClosedByUserIsReported();
    void escapeDoesNotCloseTheProgress();
    void hardwareWindowStartsUnknown();
    void hardwareWindowShowsWhatIsGiven_data();
    void hardwareWindowShowsWhatIsGiven();
    void hardwareWindowOpenIsUpdatedInPlace_data();
    void hardwareWindowOpenIsUpdatedInPlace();
    void infoWindowShowsTheLogo();
};

void InformationWindowsTest::messageShowsTextAndOkButton() {
    const SeenWindow seen =
        whileModal([] { WarningWindow::showMessage(u"Deze poort is al in gebruik"_s); });

    QCOMPARE(seen.name, u"frmWaarschuwing"_s);
    QCOMPARE(seen.caption, u"Waarschuwing..."_s);
    QVERIFY(seen.modal);
    QVERIFY(seen.okShown);
    QCOMPARE(seen.okText, u"&Ok"_s);
    QVERIFY(seen.messageShown);
    QVERIFY(seen.messageReadOnly);
    QCOMPARE(seen.message, u"Deze poort is al in gebruik"_s);
    QVERIFY(!seen.barShown);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void InformationWindowsTest::progressShowsOnlyTheBar() {
    TransferProgress progress;
    progress.open(0);
    QVERIFY(QTest::qWaitForWindowExposed(progress.window()));
    const SeenWindow seen = look(*progress.window());

    QCOMPARE(seen.caption, u"Datacommunicatie met de Velmora"_s);
    QVERIFY(!seen.modal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!seen.okShown);
    QVERIFY(!seen.messageShown);
    QVERIFY(seen.barShown);
    QCOMPARE(seen.barMinimum, 0);
    QCOMPARE(seen.barMaximum, 15);
    progress.setValue(7);
    QCOMPARE(progress.value(), 7);
}

void InformationWindowsTest::messageAfterProgressIsAMessageAgain() {
    TransferProgress progress;
    QSignalSpy closedByUser(&progress, &TransferProgress::closedByUser);
    progress.open(3);
    progress.setValue(15);
    progress.close();
    QVERIFY(!progress.isOpen());

    const SeenWindow seen =
        whileModal([] { WarningWindow::showMessage(u"Encoder antwoord niet."_s); });
    QCOMPARE(seen.caption, u"Waarschuwing..."_s);
    QVERIFY(seen.okShown);
    QVERIFY(seen.messageShown);
    QVERIFY(!seen.barShown);
    QCOMPARE(closedByUser.count(), 0);
}

void InformationWindowsTest::progressClosedByUserIsReported() {
    TransferProgress progress;
    QSignalSpy closedByUser(&progress, &TransferProgress::closedByUser);
    progress.open(0);
    QVERIFY(QTest::qWaitForWindowExposed(progress.window()));

    progress.window()->close();

    QCOMPARE(closedByUser.count(), 1);
    QVERIFY(!progress.isOpen());
    progress.setValue(4);
    progress.close();
    QCOMPARE(closedByUser.count(), 1);
}

void InformationWindowsTest::escapeDoesNotCloseTheProgress() {
    TransferProgress progress;
    progress.open(0);
    QVERIFY(QTest::qWaitForWindowExposed(progress.window()));

    QTest::keyClick(progress.window(), Qt::Key_Escape);

    QVERIFY(progress.isOpen());
    QVERIFY(progress.window()->isVisible());
}

void InformationWindowsTest::hardwareWindowStartsUnknown() {
    const SeenWindow seen = whileModal([] { HardwareWindow::present({kSignOff, std::nullopt}); });

    QCOMPARE(seen.name, u"frmHardware_info"_s);
    QCOMPARE(seen.caption, u"Velmora"_s);
    QVERIFY(seen.modal);
    QCOMPARE(seen.frameCaption, kSignOff);
    QCOMPARE(hardwareValues(seen), QStringList(3, u"Onbekend"_s));
    QCOMPARE(seen.okText, u"&Ok"_s);
}

void InformationWindowsTest::hardwareWindowShowsWhatIsGiven_data() {
    QTest::addColumn<HardwareRows>("rows");
    QTest::newRow("whole identity") << HardwareRows{u"RX-UNIT1"_s, u"1.2"_s, u"12-03-02"_s};
    QTest::newRow("name cut off by a plain E") << HardwareRows{{}, u"1.2"_s, u"12-03-02"_s};
    QTest::newRow("nothing but the kind") << HardwareRows{};
    QTest::newRow("markup is text") << HardwareRows{u"<b>RX</b>"_s, u"1.2"_s, u"12-03-02"_s};
}

void InformationWindowsTest::hardwareWindowShowsWhatIsGiven() {
    QFETCH(HardwareRows, rows);
    const SeenWindow seen = whileModal([&rows] { HardwareWindow::present({kSignOn, rows}); });

    QCOMPARE(hardwareValues(seen), listOf(rows));
    QCOMPARE(HardwareWindow::loaded(), nullptr);
}

void InformationWindowsTest::hardwareWindowOpenIsUpdatedInPlace_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<std::optional<HardwareRows>>("rows");
    QTest::addColumn<QStringList>("shown");
    const HardwareRows first{u"RX-UNIT1"_s, u"1.2"_s, u"12-03-02"_s};
    const HardwareRows unnamed{{}, u"2.1"_s, u"24-11-05"_s};
    QTest::newRow("another encoder without a name")
        << kSignOn << std::optional(unnamed) << listOf(unnamed);
    QTest::newRow("sign-off of an unknown encoder")
        << kSignOff << std::optional<HardwareRows>() << listOf(first);
}

void InformationWindowsTest::hardwareWindowOpenIsUpdatedInPlace() {
    QFETCH(QString, caption);
    QFETCH(std::optional<HardwareRows>, rows);
    QFETCH(QStringList, shown);
    int nestedReturns = 0;
    const SeenWindow seen = whileModal(
        [] {
            HardwareWindow::present(
                {kSignOn, HardwareRows{u"RX-UNIT1"_s, u"1.2"_s, u"12-03-02"_s}});
        },
        [&](QWidget&) {
            HardwareWindow::present({caption, rows});
            ++nestedReturns;
            return Answer::pressOk();
        });

    QCOMPARE(nestedReturns, 1);
    QCOMPARE(seen.frameCaption, caption);
    QCOMPARE(hardwareValues(seen), shown);
}

void InformationWindowsTest::infoWindowShowsTheLogo() {
    const SeenWindow seen = whileModal([] { velmora::shell::InfoWindow::showModal(); });
    QCOMPARE(seen.caption, u"Info"_s);
    QCOMPARE(seen.logoSize, velmora::shell::kLogoSize);
}

VELMORA_TEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
