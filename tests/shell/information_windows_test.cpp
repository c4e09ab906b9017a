#include "shell/hardware_window.h"
#include "shell/info_window.h"
#include "shell/logo.h"
#include "shell/transfer_progress.h"
#include "shell/warning_window.h"
#include "support/test_main.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using velmora::shell::HardwareReport;
using velmora::shell::HardwareWindow;
using velmora::shell::TransferProgress;
using velmora::shell::WarningWindow;

namespace {

// What a window showed while it was open.
struct Seen {
    QString objectName;
    QString caption;
    bool modal = false;
    bool buttonShown = false;
    QString buttonText;
    bool textShown = false;
    QString text;
    bool textReadOnly = false;
    bool barShown = false;
    int barMinimum = -1;
    int barMaximum = -1;
    QString frameCaption;
    QStringList values;
};

Seen look(const QWidget& window) {
    Seen seen;
    seen.objectName = window.objectName();
    seen.caption = window.windowTitle();
    seen.modal = window.isModal();
    if (const auto* button = window.findChild<QPushButton*>(u"cmdOk"_s)) {
        seen.buttonShown = button->isVisible();
        seen.buttonText = button->text();
    }
    if (const auto* text = window.findChild<QLineEdit*>(u"txtWaarschuwing"_s)) {
        seen.textShown = text->isVisible();
        seen.text = text->text();
        seen.textReadOnly = text->isReadOnly();
    }
    if (const auto* bar = window.findChild<QProgressBar*>(u"pgbWaarschuwing"_s)) {
        seen.barShown = bar->isVisible();
        seen.barMinimum = bar->minimum();
        seen.barMaximum = bar->maximum();
    }
    if (const auto* frame = window.findChild<QGroupBox*>(u"Frame1"_s)) {
        seen.frameCaption = frame->title();
    }
    for (const auto* name : {u"lblHardware", u"lblVersie", u"lblUpdate"}) {
        if (const auto* value = window.findChild<QLabel*>(QString::fromUtf16(name))) {
            seen.values.append(value->text());
        }
    }
    return seen;
}

HardwareReport report(const QString& frameCaption, const QString& hardware = {},
                      const QString& version = {}, const QString& update = {}) {
    return {frameCaption, hardware, version, update};
}

// Runs the action while the next modal window is open, notes what that window
// showed, then presses its "&Ok".
Seen whileModal(const std::function<void()>& showModal,
                const std::function<void()>& alsoWhileOpen = {}) {
    Seen seen;
    QTimer::singleShot(0, qApp, [&seen, &alsoWhileOpen] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            return;
        }
        if (alsoWhileOpen) {
            alsoWhileOpen();
        }
        seen = look(*window);
        window->findChild<QPushButton*>(u"cmdOk"_s)->click();
    });
    showModal();
    return seen;
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
    const Seen seen =
        whileModal([] { WarningWindow::showMessage(u"Deze poort is al in gebruik"_s); });

    QCOMPARE(seen.objectName, u"frmWaarschuwing"_s);
    QCOMPARE(seen.caption, u"Waarschuwing..."_s);
    QVERIFY(seen.modal);
    QVERIFY(seen.buttonShown);
    QCOMPARE(seen.buttonText, u"&Ok"_s);
    QVERIFY(seen.textShown);
    QVERIFY(seen.textReadOnly);
    QCOMPARE(seen.text, u"Deze poort is al in gebruik"_s);
    QVERIFY(!seen.barShown);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void InformationWindowsTest::progressShowsOnlyTheBar() {
    TransferProgress progress;
    progress.open(0);
    QVERIFY(QTest::qWaitForWindowExposed(progress.window()));
    const Seen seen = look(*progress.window());

    QCOMPARE(seen.caption, u"Datacommunicatie met de Velmora"_s);
    QVERIFY(!seen.modal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(!seen.buttonShown);
    QVERIFY(!seen.textShown);
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

    const Seen seen = whileModal([] { WarningWindow::showMessage(u"Encoder antwoord niet."_s); });
    QCOMPARE(seen.caption, u"Waarschuwing..."_s);
    QVERIFY(seen.buttonShown);
    QVERIFY(seen.textShown);
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
    const Seen seen =
        whileModal([] { HardwareWindow::present(report(u"De volgende hardware meld zich af"_s)); });

    QCOMPARE(seen.objectName, u"frmHardware_info"_s);
    QCOMPARE(seen.caption, u"Velmora"_s);
    QVERIFY(seen.modal);
    QCOMPARE(seen.frameCaption, u"De volgende hardware meld zich af"_s);
    QCOMPARE(seen.values, QStringList(3, u"Onbekend"_s));
    QCOMPARE(seen.buttonText, u"&Ok"_s);
}

void InformationWindowsTest::hardwareWindowShowsWhatIsGiven() {
    const Seen seen = whileModal([] {
        HardwareWindow::present(report(u"De volgende hardware meld zich aan"_s, u"Velmora RDS"_s,
                                       u"2.1"_s, u"12-03-2024"_s));
    });

    QCOMPARE(seen.values, (QStringList{u"Velmora RDS"_s, u"2.1"_s, u"12-03-2024"_s}));
    QCOMPARE(HardwareWindow::loaded(), nullptr);
}

void InformationWindowsTest::hardwareWindowOpenIsUpdatedInPlace() {
    int nestedReturns = 0;
    const Seen seen = whileModal(
        [] {
            HardwareWindow::present(
                report(u"De volgende hardware meld zich aan"_s, u"Velmora RDS"_s));
        },
        [&nestedReturns] {
            HardwareWindow::present(report(u"De volgende hardware meld zich af"_s, {}, u"2.1"_s));
            ++nestedReturns;
        });

    QCOMPARE(nestedReturns, 1);
    QCOMPARE(seen.frameCaption, u"De volgende hardware meld zich af"_s);
    QCOMPARE(seen.values, (QStringList{u"Velmora RDS"_s, u"2.1"_s, u"Onbekend"_s}));
}

void InformationWindowsTest::infoWindowShowsTheLogo() {
    QSize logoSize;
    QTimer::singleShot(0, qApp, [&logoSize] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || window->windowTitle() != u"Info") {
            return;
        }
        logoSize = window->findChild<QLabel*>(u"Image1"_s)->pixmap().size();
        window->findChild<QPushButton*>(u"cmdOk"_s)->click();
    });
    velmora::shell::InfoWindow::showModal();
    QCOMPARE(logoSize, velmora::shell::kLogoSize);
}

VELMORA_TEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
