#include "shell/hardware_window.h"
#include "shell/info_window.h"
#include "shell/logo.h"
#include "shell/transfer_progress.h"
#include "shell/warning_window.h"
#include "support/modal_watcher.h"
#include "support/test_main.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using velmora::shell::HardwareReport;
using velmora::shell::HardwareWindow;
using velmora::shell::TransferProgress;
using velmora::shell::WarningWindow;
using velmora::testing::always;
using velmora::testing::Answer;
using velmora::testing::look;
using velmora::testing::ModalWatcher;
using velmora::testing::Reaction;
using velmora::testing::SeenWindow;

namespace {

// The three values of the hardware window.
QStringList hardwareValues(const SeenWindow& seen) {
    return {seen.hardware, seen.version, seen.update};
}

HardwareReport report(const QString& frameCaption, const QString& hardware = {},
                      const QString& version = {}, const QString& update = {}) {
    return {frameCaption, hardware, version, update};
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
    void hardwareWindowShowsWhatIsGiven();
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
    const SeenWindow seen =
        whileModal([] { HardwareWindow::present(report(u"De volgende hardware meld zich af"_s)); });

    QCOMPARE(seen.name, u"frmHardware_info"_s);
    QCOMPARE(seen.caption, u"Velmora"_s);
    QVERIFY(seen.modal);
    QCOMPARE(seen.frameCaption, u"De volgende hardware meld zich af"_s);
    QCOMPARE(hardwareValues(seen), QStringList(3, u"Onbekend"_s));
    QCOMPARE(seen.okText, u"&Ok"_s);
}

void InformationWindowsTest::hardwareWindowShowsWhatIsGiven() {
    const SeenWindow seen = whileModal([] {
        HardwareWindow::present(report(u"De volgende hardware meld zich aan"_s, u"Velmora RDS"_s,
                                       u"2.1"_s, u"12-03-2024"_s));
    });

    QCOMPARE(hardwareValues(seen), (QStringList{u"Velmora RDS"_s, u"2.1"_s, u"12-03-2024"_s}));
    QCOMPARE(HardwareWindow::loaded(), nullptr);
}

void InformationWindowsTest::hardwareWindowOpenIsUpdatedInPlace() {
    int nestedReturns = 0;
    const SeenWindow seen = whileModal(
        [] {
            HardwareWindow::present(
                report(u"De volgende hardware meld zich aan"_s, u"Velmora RDS"_s));
        },
        [&nestedReturns](QWidget&) {
            HardwareWindow::present(report(u"De volgende hardware meld zich af"_s, {}, u"2.1"_s));
            ++nestedReturns;
            return Answer::pressOk();
        });

    QCOMPARE(nestedReturns, 1);
    QCOMPARE(seen.frameCaption, u"De volgende hardware meld zich af"_s);
    QCOMPARE(hardwareValues(seen), (QStringList{u"Velmora RDS"_s, u"2.1"_s, u"Onbekend"_s}));
}

void InformationWindowsTest::infoWindowShowsTheLogo() {
    const SeenWindow seen = whileModal([] { velmora::shell::InfoWindow::showModal(); });
    QCOMPARE(seen.caption, u"Info"_s);
    QCOMPARE(seen.logoSize, velmora::shell::kLogoSize);
}

VELMORA_TEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
