#include "fakes/fake_settings_store.h"
#include "shell/main_toolbar.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/status_panels.h"
#include "shell/workspace.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/test_main.h"
#include "support/wait.h"
#include "widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;
using velmora::shell::MainWindow;
using velmora::station::SetKind;
using velmora::testing::always;
using velmora::testing::Answer;
using velmora::testing::deletePendingWindows;
using velmora::testing::kDeadlineMs;
using velmora::testing::ModalWatcher;

namespace {

const std::string kPsSet = "RADIO 1 1\r\n";
const std::string kRtSet = "Nieuws 1\r\n";

QWidget* namedWidget(const QString& title) {
    auto* widget = new QWidget;
    widget->setWindowTitle(title);
    return widget;
}

void openChildren(MainWindow& window, int count) {
    for (int child = 1; child <= count; ++child) {
        window.openChildWindow(u"frmKind%1"_s.arg(child),
                               [child] { return namedWidget(u"Kind %1"_s.arg(child)); });
    }
}

void openMenu(MainWindow& window, const QString& name) {
    emit window.menu().menu(name)->aboutToShow();
}

bool isEnabled(const MainWindow& window, const QString& item) {
    return window.menuItem(item)->isEnabled();
}

QWidget* splashWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto splash = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->objectName() == u"frmStart";
    });
    return splash != windows.cend() ? *splash : nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }

    void loadShowsTheDisconnectedState();
    void menuRulesCountLoadedWindows_data();
    void menuRulesCountLoadedWindows();
    void closedChildWindowIsNoLongerCounted();
    void saveAsFollowsTheCompleteDocument();
    void documentChangesSwitchTheSaveCommands();
    void resizingKeepsTheModifiedFlag();
    void windowMenuListsTheChildWindows();
    void openingAnOpenWindowBringsItToTheFront();
    void connectionTextsAreShownWhereTheLinkSetsThem();
    void capsLockPanelFollowsTheKey();
    void startupShowsTheMainWindowAfterTheSplash();
};

void MainWindowTest::loadShowsTheDisconnectedState() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    QCOMPARE(window.objectName(), u"frmBasis"_s);
    QCOMPARE(window.windowTitle(), u"Velmora"_s);
    QCOMPARE(window.connectionStatusText(), u"Verbinding met de Encoder is verbroken"_s);
    QCOMPARE(window.connectionTooltip(), u"Verbind de PC met de Encoder"_s);
    QVERIFY(!window.document().isModified());
    QVERIFY(!window.document().exitsAfterSave());
    QVERIFY(!window.isVisible());
}

void MainWindowTest::menuRulesCountLoadedWindows_data() {
    QTest::addColumn<int>("children");
    QTest::addColumn<bool>("hiddenDialog");
    QTest::addColumn<bool>("closeEnabled");
    QTest::addColumn<bool>("cascadeEnabled");
    QTest::newRow("main window alone") << 0 << false << false << false;
    QTest::newRow("one child window") << 1 << false << true << false;
    QTest::newRow("two child windows") << 2 << false << true << true;
    QTest::newRow("hidden dialog") << 0 << true << true << false;
    QTest::newRow("one child window and a hidden dialog") << 1 << true << true << true;
}

void MainWindowTest::menuRulesCountLoadedWindows() {
    QFETCH(int, children);
    QFETCH(bool, hiddenDialog);
    QFETCH(bool, closeEnabled);
    QFETCH(bool, cascadeEnabled);
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.show();
    openChildren(window, children);
    std::unique_ptr<QDialog> dialog(hiddenDialog ? new QDialog : nullptr);

    openMenu(window, u"mnuBestand"_s);
    openMenu(window, u"mnuVenster"_s);

    QCOMPARE(isEnabled(window, u"mnuBestand_sluit"_s), closeEnabled);
    QCOMPARE(isEnabled(window, u"mnuVenster_trapsgewijs"_s), cascadeEnabled);
}

void MainWindowTest::closedChildWindowIsNoLongerCounted() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.show();
    openChildren(window, 2);
    window.workspace().subWindowList().constFirst()->close();

    openMenu(window, u"mnuBestand"_s);
    openMenu(window, u"mnuVenster"_s);

    QVERIFY(isEnabled(window, u"mnuBestand_sluit"_s));
    QVERIFY(!isEnabled(window, u"mnuVenster_trapsgewijs"_s));
}

void MainWindowTest::saveAsFollowsTheCompleteDocument() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    openMenu(window, u"mnuBestand"_s);
    QVERIFY(!isEnabled(window, u"mnuBestand_opslaanals"_s));

    window.document().replaceSet(SetKind::ProgrammeService, kPsSet);
    window.document().replaceSet(SetKind::Radiotext, kRtSet);
    window.menuItem(u"mnuBestand_opslaanals"_s)->setEnabled(false);
    openMenu(window, u"mnuBestand"_s);
    QVERIFY(isEnabled(window, u"mnuBestand_opslaanals"_s));
}

void MainWindowTest::documentChangesSwitchTheSaveCommands() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    const QList<QAction*> saveCommands{window.menuItem(u"mnuBestand_opslaan"_s),
                                       window.menuItem(u"mnuBestand_opslaanals"_s),
                                       window.toolBar().entry(u"Opslaan")};
    const auto expectSaving = [&saveCommands](bool enabled) {
        for (const QAction* command : saveCommands) {
            QCOMPARE(command->isEnabled(), enabled);
        }
    };

    window.document().replaceSet(SetKind::ProgrammeService, kPsSet);
    expectSaving(false);
    window.document().replaceSet(SetKind::Radiotext, kRtSet);
    expectSaving(true);
    window.document().replaceSet(SetKind::ProgrammeService, "");
    expectSaving(false);
}

void MainWindowTest::resizingKeepsTheModifiedFlag() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.showAsStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.document().replaceSet(SetKind::ProgrammeService, kPsSet);

    window.resize(window.size() + QSize(40, 30));
    QCoreApplication::processEvents();
    QVERIFY(window.document().isModified());
    window.showMaximized();
    QCoreApplication::processEvents();
    window.showMinimized();
    QCoreApplication::processEvents();
    window.showNormal();
    QCoreApplication::processEvents();
    QVERIFY(window.document().isModified());
}

void MainWindowTest::windowMenuListsTheChildWindows() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.show();
    openChildren(window, 2);
    QMdiSubWindow* first = window.workspace().subWindowList().constFirst();
    window.workspace().setActiveSubWindow(first);
    QMenu* menu = window.menu().menu(u"mnuVenster"_s);
    const auto itemCount = menu->actions().size();

    openMenu(window, u"mnuVenster"_s);
    openMenu(window, u"mnuVenster"_s);

    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), itemCount + 3);
    QVERIFY(actions.at(itemCount)->isSeparator());
    QAction* firstEntry = actions.at(itemCount + 1);
    QAction* secondEntry = actions.at(itemCount + 2);
    QCOMPARE(firstEntry->text(), u"Kind 1"_s);
    QCOMPARE(secondEntry->text(), u"Kind 2"_s);
    QVERIFY(firstEntry->isChecked());
    QVERIFY(!secondEntry->isChecked());

    secondEntry->trigger();
    QCOMPARE(window.workspace().activeSubWindow()->widget()->objectName(), u"frmKind2"_s);
}

void MainWindowTest::openingAnOpenWindowBringsItToTheFront() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.show();
    int created = 0;
    const auto factory = [&created] {
        ++created;
        return namedWidget(u"Overzicht"_s);
    };
    QWidget* overview = window.openChildWindow(u"frmOverzicht"_s, factory);
    openChildren(window, 1);

    QCOMPARE(window.openChildWindow(u"frmOverzicht"_s, factory), overview);
    QCOMPARE(created, 1);
    QCOMPARE(window.workspace().activeSubWindow()->widget(), overview);
    const int offset = velmora::widgets::twipsToPixels(10, &window);
    QCOMPARE(overview->parentWidget()->pos(), QPoint(offset, offset));
}

void MainWindowTest::connectionTextsAreShownWhereTheLinkSetsThem() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.setConnectionStatusText(u"Bezig verbinding te maken met de Encoder"_s);
    window.setConnectionTooltip(u"Verbreek de verbinding met de Encoder"_s);

    QCOMPARE(window.statusPanels().panelText(3), u"Bezig verbinding te maken met de Encoder"_s);
    QCOMPARE(window.toolBar().entryAt(15)->toolTip(), u"Verbreek de verbinding met de Encoder"_s);
    QCOMPARE(window.statusPanels().panelText(2),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!window.statusPanels().panelText(4).isEmpty());
}

void MainWindowTest::capsLockPanelFollowsTheKey() {
    velmora::fakes::FakeSettingsStore store;
    MainWindow window{store};
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto& panels = window.statusPanels();
    QCOMPARE(panels.panelText(1), QString());

    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(panels.panelText(1), u"CAPS"_s);
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(panels.panelText(1), QString());
}

void MainWindowTest::startupShowsTheMainWindowAfterTheSplash() {
    velmora::shell::Startup startup;
    bool hiddenWhenLoaded = false;
    connect(&startup, &velmora::shell::Startup::mainWindowLoaded, this,
            [&hiddenWhenLoaded](MainWindow& window) { hiddenWhenLoaded = !window.isVisible(); });
    startup.start();
    QVERIFY(splashWindow() != nullptr);
    QVERIFY(splashWindow()->isVisible());
    QCOMPARE(startup.mainWindow(), nullptr);

    // The login window comes over the hidden main window; leaving it shows the main window.
    ModalWatcher user(always(Answer::leaveOpen()));
    VELMORA_TRY_VERIFY(user.openedCount() == 1, 3000);
    QVERIFY(hiddenWhenLoaded);
    QVERIFY(!startup.mainWindow()->isVisible());
    user.setReaction(always(Answer::press(u"cmdAnnuleren"_s)));
    VELMORA_TRY_VERIFY(startup.mainWindow()->isVisible(), kDeadlineMs);
    QCOMPARE(user.closed().size(), 1);
    QCOMPARE(user.closed().constFirst().name, u"frmAanmelden"_s);
    QCOMPARE(startup.mainWindow()->windowTitle(), u"Velmora    (Nieuw)"_s);
    deletePendingWindows();
    QCOMPARE(splashWindow(), nullptr);
}

VELMORA_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
