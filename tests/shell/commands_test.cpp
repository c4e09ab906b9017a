#include "link/wire_protocol.h"
#include "shell/main_toolbar.h"
#include "shell/main_window.h"
#include "support/closing_probe.h"
#include "support/modal_watcher.h"
#include "support/recording_commands.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using velmora::link::ConnectionState;
using velmora::shell::Command;
using velmora::shell::MainToolBar;
using velmora::shell::MainWindow;
using velmora::testing::menuItem;
using velmora::testing::RecordingCommands;
using velmora::testing::Station;
using velmora::testing::toolbarEntry;
using velmora::testing::toolbarEntryAt;
using velmora::testing::workspace;

Q_DECLARE_METATYPE(velmora::shell::Command)

namespace {

struct MenuRow {
    const char* parent;
    const char* name;
    const char* caption;
    const char* keys;
    bool enabled;
    std::optional<Command> command; // none for a menu or a separator
};

// The documented menu tree, each menu's entries in order.
const MenuRow kMenuRows[] = {
    {"", "mnuBestand", "&Bestand", "", true, {}},
    {"mnuBestand", "mnuBestand_nieuw", "&Nieuw...", "Ctrl+N", false, Command::NewDocument},
    {"mnuBestand", "mnuBestand_open", "&Open...", "Ctrl+O", true, Command::OpenFile},
    {"mnuBestand", "mnuBestand_sluit", "&Sluit...", "", false, Command::CloseWindow},
    {"mnuBestand", "mnuBestand_spatie1", "-", "", true, {}},
    {"mnuBestand", "mnuBestand_opslaan", "O&pslaan", "Ctrl+S", false, Command::Save},
    {"mnuBestand", "mnuBestand_opslaanals", "Ops&laan als...", "", true, Command::SaveAs},
    {"mnuBestand", "mnuBestand_spatie2", "-", "", true, {}},
    {"mnuBestand", "mnuBestand_afdrukvoorbeeld", "A&fdrukvoorbeeld", "", false,
     Command::PrintPreview},
    {"mnuBestand", "mnuBestand_afdrukken", "Af&drukken", "Ctrl+P", false, Command::Print},
    {"mnuBestand", "mnuBestand_spatie3", "-", "", true, {}},
    {"mnuBestand", "mnuBestand_opnieuwaanmelden", "Opnieuw &aanmelden", "Ctrl+A", true,
     Command::LogInAgain},
    {"mnuBestand", "mnuBestand_afsluiten", "Afsluiten", "Ctrl+E", true, Command::Exit},
    {"", "mnuBewerken", "Be&werken", "", true, {}},
    {"mnuBewerken", "mnuBewerken_velmoravullen", "Velmora &vullen", "", false, Command::Fill},
    {"mnuBewerken", "mnuBewerken_velmorauitlezen", "Velmora &uitlezen", "", false,
     Command::ReadOut},
    {"mnuBewerken", "mnuBewerken_velmoracontroleren", "Velmora &controleren", "", false,
     Command::Verify},
    {"mnuBewerken", "mnuBewerken_allezendersvullen", "Alle zenders &vullen", "", true,
     Command::FillAllEncoders},
    {"mnuBewerken", "mnuBewerken_allezenderscontroleren", "Alle zenders &controleren", "", true,
     Command::VerifyAllEncoders},
    {"mnuBewerken", "mnuBewerken_liveradiotekst", "&Live radiotekst...", "", true,
     Command::LiveRadiotext},
    {"mnuBewerken", "mnuBewerken_planning", "&Planning...", "", true, Command::Planning},
    {"", "mnuInstellingen", "&Instellingen", "", true, {}},
    {"mnuInstellingen", "mnuInstellingen_compoort", "&Compoort", "", false, Command::ComPort},
    {"mnuInstellingen", "mnuInstellingen_zenders", "&Zenders...", "", false, Command::Encoders},
    {"mnuInstellingen", "mnuInstellingen_radiotekst", "&Radiotekst", "", true, Command::Radiotext},
    {"mnuInstellingen", "mnuInstellingen_programmaservice", "&Programmaservice", "", true,
     Command::ProgrammeService},
    {"mnuInstellingen", "mnuInstellingen_decoderinformatie", "&Decoderinformatie", "", true,
     Command::DecoderInformation},
    {"mnuInstellingen", "mnuInstellingenProgrammaIdentificatie", "&Programma Identificatie", "",
     true, Command::ProgrammeIdentification},
    {"mnuInstellingen", "mnuInstellingen_spatie1", "-", "", true, {}},
    {"mnuInstellingen", "mnuInstellingen_gebruikers", "&Gebruikers", "", true, {}},
    {"mnuInstellingen_gebruikers", "mnuInstellingen_gebruikers_gebruikertoevoegen",
     "&Gebruiker toevoegen", "", true, Command::AddUser},
    {"mnuInstellingen_gebruikers", "mnuInstellinge_gebruikers_huidigegebruikeraanpassen",
     "Huidige gebruiker aanpassen", "", false, Command::EditCurrentUser},
    {"mnuInstellingen", "mnuInstellingen_opties", "&Opties", "", false, Command::Options},
    {"", "mnuVenster", "&Venster", "", true, {}},
    {"mnuVenster", "mnuVenster_overzicht", "&Overzicht", "", true, Command::Overview},
    {"mnuVenster", "mnuVenster_voorbeeld", "&Voorbeeld", "", true, Command::Preview},
    {"mnuVenster", "mnuVenster_logboek", "&Logboek", "", true, Command::Log},
    {"mnuVenster", "mnuVenster_trapsgewijs", "&Trapsgewijs", "", false, Command::Cascade},
    {"", "mnuHelp", "&Help", "", true, {}},
    {"mnuHelp", "mnuHelp_info", "&Info", "", true, Command::About},
};

struct ToolbarRow {
    const char* key; // also the entry's name; "" for a separator
    const char* tooltip;
    std::optional<Command> command; // none for a separator
};

// The toolbar's entries, from position 1 on.
const ToolbarRow kToolbarRows[MainToolBar::kEntryCount] = {
    {"", "", {}},
    {"", "", {}},
    {"Nieuw", "Nieuw...", Command::NewDocument},
    {"Open", "Open...", Command::OpenFile},
    {"Opslaan", "Opslaan...", Command::Save},
    {"", "", {}},
    {"Afdrukvoorbeeld", "Afdrukvoorbeeld", Command::PrintPreview},
    {"Afdrukken", "Afdrukken", Command::Print},
    {"", "", {}},
    {"Opties", "Opties", Command::Options},
    {"Overzicht", "Overzicht", Command::Overview},
    {"Programmaservice", "Programmaservice", Command::ProgrammeService},
    {"Radiotekst", "Radiotekst", Command::Radiotext},
    {"", "", {}},
    {"Verbinding", "Verbind de PC met de Encoder", Command::ToggleConnection},
    {"Inladen", "Velmora uitlezen", Command::ReadOutAfterClosingEditors},
    {"Versturen", "Velmora vullen met nieuwe data", Command::Fill},
};

QStringList objectNames(const QList<QAction*>& actions) {
    QStringList names;
    for (const QAction* action : actions) {
        names.append(action->objectName());
    }
    return names;
}

using velmora::testing::ClosingProbe;

// A text box as Qt's line edit is on a Linux desktop: it claims Ctrl+E, which
// moves the cursor to the end of the line, before any shortcut may have it.
class LinuxTextBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && isEndOfLine(*event)) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (isEndOfLine(*event)) {
            end(false);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    static bool isEndOfLine(const QEvent& event) {
        return static_cast<const QKeyEvent&>(event).keyCombination() ==
               QKeyCombination(Qt::ControlModifier, Qt::Key_E);
    }
};

// A child window with that text box, holding a name, and a button.
QWidget* textBoxWindow() {
    auto* window = new QWidget;
    window->setObjectName(u"frmTekst"_s);
    auto* box = new LinuxTextBox(u"RADIO"_s, window);
    box->setObjectName(u"txtTekst"_s);
    auto* button = new QPushButton(u"&Ok"_s, window);
    button->setObjectName(u"cmdOk"_s);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(box);
    layout->addWidget(button);
    return window;
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void menuItemsAreAsDocumented_data();
    void menuItemsAreAsDocumented();
    void menusHoldTheirEntriesInOrder();

    void toolbarEntriesSitAtFixedPositions_data();
    void toolbarEntriesSitAtFixedPositions();

    void menuItemRunsItsCommand_data();
    void menuItemRunsItsCommand();
    void toolbarClickRunsItsCommand_data();
    void toolbarClickRunsItsCommand();
    void readOutFromToolbarClosesEditorsFirst_data();
    void readOutFromToolbarClosesEditorsFirst();
    void readOutFromMenuClosesNothing();
    void transferCommandsSwitchTogether();
    void exitClosesTheMainWindow();
    void fileKeysBesideATextBox_data();
    void fileKeysBesideATextBox();
};

void CommandsTest::menuItemsAreAsDocumented_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enabled");
    for (const MenuRow& row : kMenuRows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.caption) << QString::fromUtf8(row.keys)
                                << row.enabled;
    }
}

void CommandsTest::menuItemsAreAsDocumented() {
    QFETCH(QString, caption);
    QFETCH(QString, keys);
    QFETCH(bool, enabled);
    RecordingCommands commands;
    MainWindow window{commands};
    const QString name = QString::fromUtf8(QTest::currentDataTag());

    auto* item = window.findChild<QAction*>(name);
    QVERIFY(item != nullptr);
    QCOMPARE(menuItem(window, name), item);
    if (caption == u"-") {
        QVERIFY(item->isSeparator());
        return;
    }
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), QKeySequence(keys));
    QCOMPARE(item->isEnabled(), enabled);
}

void CommandsTest::menusHoldTheirEntriesInOrder() {
    RecordingCommands commands;
    MainWindow window{commands};
    QMap<QString, QStringList> expected;
    for (const MenuRow& row : kMenuRows) {
        expected[QString::fromUtf8(row.parent)].append(QString::fromUtf8(row.name));
    }
    QCOMPARE(objectNames(window.menuBar()->actions()), expected.take(QString()));
    for (auto menu = expected.cbegin(); menu != expected.cend(); ++menu) {
        auto* shown = window.findChild<QMenu*>(menu.key());
        QVERIFY2(shown != nullptr, qPrintable(menu.key()));
        QCOMPARE(objectNames(shown->actions()), menu.value());
    }
}

void CommandsTest::toolbarEntriesSitAtFixedPositions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tooltip");
    int position = 0;
    for (const ToolbarRow& row : kToolbarRows) {
        ++position;
        QTest::addRow("%d", position)
            << position << QString::fromUtf8(row.key) << QString::fromUtf8(row.tooltip);
    }
}

void CommandsTest::toolbarEntriesSitAtFixedPositions() {
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, tooltip);
    RecordingCommands commands;
    MainWindow window{commands};
    const MainToolBar& toolBar = *window.findChild<MainToolBar*>();
    QCOMPARE(toolBar.objectName(), u"tlbBasis"_s);
    QCOMPARE(toolBar.actions().size(), MainToolBar::kEntryCount);

    QAction* entry = toolBar.entryAt(position);
    QCOMPARE(toolBar.actions().at(position - 1), entry);
    if (key.isEmpty()) {
        QVERIFY(entry->isSeparator());
        return;
    }
    QCOMPARE(entry->text(), key);
    QCOMPARE(entry->objectName(), key);
    QCOMPARE(entry->toolTip(), tooltip);
    QCOMPARE(toolbarEntry(window, key), entry);
    QVERIFY(!entry->icon().pixmap(16, 16).isNull());
}

void CommandsTest::menuItemRunsItsCommand_data() {
    QTest::addColumn<Command>("command");
    for (const MenuRow& row : kMenuRows) {
        if (row.command) {
            QTest::newRow(row.name) << *row.command;
        }
    }
}

void CommandsTest::menuItemRunsItsCommand() {
    QFETCH(Command, command);
    RecordingCommands commands;
    MainWindow window{commands};
    QAction* item = menuItem(window, QString::fromUtf8(QTest::currentDataTag()));
    item->setEnabled(true);
    item->trigger();
    QCOMPARE(commands.ran, std::vector{command});
}

void CommandsTest::toolbarClickRunsItsCommand_data() {
    QTest::addColumn<Command>("command");
    for (const ToolbarRow& row : kToolbarRows) {
        if (row.command) {
            QTest::newRow(row.key) << *row.command;
        }
    }
}

// The entry is enabled as a click needs, its menu twin left as it starts:
// an entry runs the command even while the menu item is disabled.
void CommandsTest::toolbarClickRunsItsCommand() {
    QFETCH(Command, command);
    RecordingCommands commands;
    MainWindow window{commands};
    QAction* entry = toolbarEntry(window, QString::fromUtf8(QTest::currentDataTag()));
    entry->setEnabled(true);
    entry->trigger();
    QCOMPARE(commands.ran, std::vector{command});
}

void CommandsTest::readOutFromToolbarClosesEditorsFirst_data() {
    QTest::addColumn<QStringList>("open");
    QTest::addColumn<QStringList>("closed");
    const QStringList editors{u"frmOverzicht"_s, u"frmProgramma"_s, u"frmRadiotekst"_s,
                              u"frmDecoder_informatie"_s};
    QTest::newRow("all four and the PI window, opened in another order")
        << QStringList{u"frmDecoder_informatie"_s, u"frmRadiotekst"_s, u"frmPi"_s,
                       u"frmOverzicht"_s, u"frmProgramma"_s}
        << editors;
    QTest::newRow("two of them") << QStringList{u"frmRadiotekst"_s, u"frmOverzicht"_s}
                                 << QStringList{u"frmOverzicht"_s, u"frmRadiotekst"_s};
    QTest::newRow("none") << QStringList{u"frmPi"_s} << QStringList{};
}

void CommandsTest::readOutFromToolbarClosesEditorsFirst() {
    QFETCH(QStringList, open);
    QFETCH(QStringList, closed);
    Station station;
    MainWindow& window = station.window;
    QStringList events;
    for (const QString& name : open) {
        window.openChildWindow(name, [&events] { return new ClosingProbe(events); });
    }

    station.connect();
    toolbarEntry(window, u"Inladen")->trigger();

    QCOMPARE(events, closed);
    QCOMPARE(station.line.written(), std::string(velmora::link::kReadRequest));
    QCOMPARE(workspace(window).subWindowList().size(), open.size() - closed.size());
}

void CommandsTest::readOutFromMenuClosesNothing() {
    Station station;
    MainWindow& window = station.window;
    QStringList events;
    window.openChildWindow(u"frmProgramma"_s, [&events] { return new ClosingProbe(events); });

    station.connect();
    menuItem(window, u"mnuBewerken_velmorauitlezen"_s)->trigger();
    QCOMPARE(station.line.written(), std::string(velmora::link::kReadRequest));
    menuItem(window, u"mnuBewerken_velmoravullen"_s)->trigger();
    QVERIFY(station.pacingTimer.isRunning());
    QVERIFY(events.isEmpty());
}

void CommandsTest::transferCommandsSwitchTogether() {
    RecordingCommands handler;
    MainWindow window{handler};
    const QList<QAction*> commands{menuItem(window, u"mnuBewerken_velmorauitlezen"_s),
                                   menuItem(window, u"mnuBewerken_velmoravullen"_s),
                                   menuItem(window, u"mnuBewerken_velmoracontroleren"_s),
                                   toolbarEntryAt(window, 16), toolbarEntryAt(window, 17)};
    for (const auto state : {ConnectionState::Connected, ConnectionState::Disconnected}) {
        window.sessionDisplay().showConnectionState(state);
        for (const QAction* command : commands) {
            QCOMPARE(command->isEnabled(), state == ConnectionState::Connected);
        }
    }
}

void CommandsTest::exitClosesTheMainWindow() {
    Station station;
    MainWindow& window = station.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    menuItem(window, u"mnuBestand_afsluiten"_s)->trigger();
    QVERIFY(!window.isVisible());
}

void CommandsTest::fileKeysBesideATextBox_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Ctrl+E in a text box")
        << u"txtTekst"_s << Qt::Key_E << u"mnuBestand_afsluiten"_s << QString();
    QTest::newRow("Ctrl+E on a button")
        << u"cmdOk"_s << Qt::Key_E << u"mnuBestand_afsluiten"_s << QString();
    // "Opnieuw aanmelden" empties the document without asking: inside a text
    // box the key keeps selecting all.
    QTest::newRow("Ctrl+A in a text box") << u"txtTekst"_s << Qt::Key_A << QString() << u"RADIO"_s;
    QTest::newRow("Ctrl+A on a button")
        << u"cmdOk"_s << Qt::Key_A << u"mnuBestand_opnieuwaanmelden"_s << QString();
}

void CommandsTest::fileKeysBesideATextBox() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(QString, command);
    QFETCH(QString, selected);
    Station station;
    MainWindow& window = station.window;
    QList<std::pair<QString, std::shared_ptr<QSignalSpy>>> menuSpies;
    for (const MenuRow& row : kMenuRows) {
        const QString name = QString::fromUtf8(row.name);
        menuSpies.append(
            {name, std::make_shared<QSignalSpy>(menuItem(window, name), &QAction::triggered)});
    }
    // The re-login shows the login window, which the user leaves.
    const velmora::testing::ModalWatcher user(
        velmora::testing::always(velmora::testing::Answer::press(u"cmdAnnuleren"_s)));
    window.show();
    QWidget* child = window.openChildWindow(u"frmTekst"_s, textBoxWindow);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* focused = child->findChild<QWidget*>(focus);
    focused->setFocus();
    QVERIFY(focused->hasFocus());

    QTest::keyClick(focused, key, Qt::ControlModifier);

    for (const auto& [name, spy] : menuSpies) {
        QVERIFY2(spy->count() == (name == command ? 1 : 0), qPrintable(name));
    }
    QCOMPARE(window.isVisible(), command != u"mnuBestand_afsluiten");
    VELMORA_TRY_VERIFY(QApplication::activeModalWidget() == nullptr, velmora::testing::kDeadlineMs);
    if (!selected.isEmpty()) {
        QCOMPARE(child->findChild<QLineEdit*>(u"txtTekst"_s)->selectedText(), selected);
    }
}

VELMORA_TEST_MAIN(CommandsTest)
#include "commands_test.moc"
