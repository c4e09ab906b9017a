#include "app/startup.h"
#include "shell/main_toolbar.h"
#include "shell/main_window.h"
#include "shell/status_panels.h"
#include "shell/workspace.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/recording_commands.h"
#include "support/station.h"
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
using velmora::testing::menuItem;
using velmora::testing::ModalWatcher;
using velmora::testing::Station;
using velmora::testing::statusPanels;
using velmora::testing::toolbarEntry;
using velmora::testing::toolbarEntryAt;
using velmora::testing::workspace;

namespace {

enum class Part { MenuItem, ToolbarEntry };

// The menu items and toolbar entries that a login or "&Nieuw..." switches,
// and whether each is enabled afterwards. All start enabled, so an item left
// as it was counts as enabled.
struct SwitchedItem {
    Part part;
    const char* name; // a menu item's objectName, a toolbar entry's key
    bool afterAdministrator;
    bool afterOrdinaryAccount;
    bool afterNewDocument;
};

const SwitchedItem kSwitchedItems[] = {
    {Part::MenuItem, "mnuBestand_nieuw", true, true, false},
    {Part::ToolbarEntry, "Nieuw", true, true, true},
    {Part::MenuItem, "mnuInstellinge_gebruikers_huidigegebruikeraanpassen", false, true, false},
    {Part::MenuItem, "mnuInstellingen_compoort", true, false, true},
    {Part::MenuItem, "mnuInstellingen_opties", true, false, false},
    {Part::ToolbarEntry, "Opties", true, false, true},
    {Part::MenuItem, "mnuInstellingen_decoderinformatie", true, true, false},
};

// Which of the columns above a case compares.
using EnabledAfter = bool SwitchedItem::*;

QAction* switchedPart(const QWidget& window, const SwitchedItem& item) {
    const QString name = QString::fromUtf8(item.name);
    return item.part == Part::MenuItem ? menuItem(window, name) : toolbarEntry(window, name);
}

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
    emit velmora::testing::menu(window, name)->aboutToShow();
}

bool isEnabled(const MainWindow& window, const QString& item) {
    return menuItem(window, item)->isEnabled();
}

QWidget* splashWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto splash = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* window) {
        return window->objectName() == u"frmStart";
    });
    return splash != windows.cend() ? *splash : nullptr;
}

} // namespace

Q_DECLARE_METATYPE(velmora::users::AccountItems)
Q_DECLARE_METATYPE(EnabledAfter)

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
    void accountItemsSwitchTheirMenuItemsAndToolbarEntries_data();
    void accountItemsSwitchTheirMenuItemsAndToolbarEntries();
    void startupShowsTheMainWindowAfterTheSplash();
};

void MainWindowTest::loadShowsTheDisconnectedState() {
    Station station;
    MainWindow& window = station.window;
    QCOMPARE(window.objectName(), u"frmBasis"_s);
    QCOMPARE(window.windowTitle(), u"Velmora"_s);
    QCOMPARE(window.connectionStatusText(), u"Verbinding met de Encoder is verbroken"_s);
    QCOMPARE(window.connectionTooltip(), u"Verbind de PC met de Encoder"_s);
    QVERIFY(!station.document.isModified());
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
    Station station;
    MainWindow& window = station.window;
    window.show();
    openChildren(window, children);
    std::unique_ptr<QDialog> dialog(hiddenDialog ? new QDialog : nullptr);

    openMenu(window, u"mnuBestand"_s);
    openMenu(window, u"mnuVenster"_s);

    QCOMPARE(isEnabled(window, u"mnuBestand_sluit"_s), closeEnabled);
    QCOMPARE(isEnabled(window, u"mnuVenster_trapsgewijs"_s), cascadeEnabled);
}

void MainWindowTest::closedChildWindowIsNoLongerCounted() {
    Station station;
    MainWindow& window = station.window;
    window.show();
    openChildren(window, 2);
    workspace(window).subWindowList().constFirst()->close();

    openMenu(window, u"mnuBestand"_s);
    openMenu(window, u"mnuVenster"_s);

    QVERIFY(isEnabled(window, u"mnuBestand_sluit"_s));
    QVERIFY(!isEnabled(window, u"mnuVenster_trapsgewijs"_s));
}

void MainWindowTest::saveAsFollowsTheCompleteDocument() {
    Station station;
    MainWindow& window = station.window;
    openMenu(window, u"mnuBestand"_s);
    QVERIFY(!isEnabled(window, u"mnuBestand_opslaanals"_s));

    station.document.replaceSet(SetKind::ProgrammeService, kPsSet);
    station.document.replaceSet(SetKind::Radiotext, kRtSet);
    menuItem(window, u"mnuBestand_opslaanals"_s)->setEnabled(false);
    openMenu(window, u"mnuBestand"_s);
    QVERIFY(isEnabled(window, u"mnuBestand_opslaanals"_s));
}

void MainWindowTest::documentChangesSwitchTheSaveCommands() {
    Station station;
    MainWindow& window = station.window;
    const QList<QAction*> saveCommands{menuItem(window, u"mnuBestand_opslaan"_s),
                                       menuItem(window, u"mnuBestand_opslaanals"_s),
                                       toolbarEntry(window, u"Opslaan")};
    const auto expectSaving = [&saveCommands](bool enabled) {
        for (const QAction* command : saveCommands) {
            QCOMPARE(command->isEnabled(), enabled);
        }
    };

    station.document.replaceSet(SetKind::ProgrammeService, kPsSet);
    expectSaving(false);
    station.document.replaceSet(SetKind::Radiotext, kRtSet);
    expectSaving(true);
    station.document.replaceSet(SetKind::ProgrammeService, "");
    expectSaving(false);
}

void MainWindowTest::resizingKeepsTheModifiedFlag() {
    Station station;
    MainWindow& window = station.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    station.document.replaceSet(SetKind::ProgrammeService, kPsSet);

    window.resize(window.size() + QSize(40, 30));
    QCoreApplication::processEvents();
    QVERIFY(station.document.isModified());
    window.showMaximized();
    QCoreApplication::processEvents();
    window.showMinimized();
    QCoreApplication::processEvents();
    window.showNormal();
    QCoreApplication::processEvents();
    QVERIFY(station.document.isModified());
}

void MainWindowTest::windowMenuListsTheChildWindows() {
    Station station;
    MainWindow& window = station.window;
    window.show();
    openChildren(window, 2);
    QMdiSubWindow* first = workspace(window).subWindowList().constFirst();
    workspace(window).setActiveSubWindow(first);
    QMenu* menu = velmora::testing::menu(window, u"mnuVenster"_s);
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
    QCOMPARE(workspace(window).activeSubWindow()->widget()->objectName(), u"frmKind2"_s);
}

void MainWindowTest::openingAnOpenWindowBringsItToTheFront() {
    Station station;
    MainWindow& window = station.window;
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
    QCOMPARE(workspace(window).activeSubWindow()->widget(), overview);
    const int offset = velmora::widgets::twipsToPixels(10, &window);
    QCOMPARE(overview->parentWidget()->pos(), QPoint(offset, offset));
}

void MainWindowTest::connectionTextsAreShownWhereTheLinkSetsThem() {
    Station station;
    MainWindow& window = station.window;
    window.sessionDisplay().showConnectionState(velmora::link::ConnectionState::Connecting);

    QCOMPARE(statusPanels(window).panelText(3), u"Bezig verbinding te maken met de Encoder"_s);
    QCOMPARE(toolbarEntryAt(window, 15)->toolTip(), u"Verbreek de verbinding met de Encoder"_s);
    QCOMPARE(statusPanels(window).panelText(2),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!statusPanels(window).panelText(4).isEmpty());
}

void MainWindowTest::capsLockPanelFollowsTheKey() {
    Station station;
    MainWindow& window = station.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto& panels = statusPanels(window);
    QCOMPARE(panels.panelText(1), QString());

    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(panels.panelText(1), u"CAPS"_s);
    QTest::keyClick(window.windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(panels.panelText(1), QString());
}

void MainWindowTest::accountItemsSwitchTheirMenuItemsAndToolbarEntries_data() {
    using velmora::users::accountItemsAfterNewDocument;
    using velmora::users::accountItemsFor;
    QTest::addColumn<velmora::users::AccountItems>("items");
    QTest::addColumn<EnabledAfter>("enabledAfter");
    QTest::newRow("administrator")
        << accountItemsFor("*^Qentar^*") << &SwitchedItem::afterAdministrator;
    QTest::newRow("ordinary account")
        << accountItemsFor("jan") << &SwitchedItem::afterOrdinaryAccount;
    QTest::newRow("after a new document")
        << accountItemsAfterNewDocument() << &SwitchedItem::afterNewDocument;
}

void MainWindowTest::accountItemsSwitchTheirMenuItemsAndToolbarEntries() {
    QFETCH(velmora::users::AccountItems, items);
    QFETCH(EnabledAfter, enabledAfter);
    velmora::testing::RecordingCommands commands;
    MainWindow window{commands};
    for (const SwitchedItem& item : kSwitchedItems) {
        switchedPart(window, item)->setEnabled(true);
    }

    window.applyAccountItems(items);

    for (const SwitchedItem& item : kSwitchedItems) {
        QVERIFY2(switchedPart(window, item)->isEnabled() == item.*enabledAfter, item.name);
    }
}

void MainWindowTest::startupShowsTheMainWindowAfterTheSplash() {
    velmora::app::Startup startup;
    bool hiddenWhenLoaded = false;
    connect(&startup, &velmora::app::Startup::mainWindowLoaded, this,
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
