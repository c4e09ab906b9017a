#include "settings/settings_schema.h"
#include "support/open_window.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/wait.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using velmora::shell::MainWindow;
using velmora::testing::control;
using velmora::testing::deletePendingWindows;
using velmora::testing::menuItem;
using velmora::testing::Station;
using velmora::testing::toolbarEntry;
using velmora::testing::workspace;

namespace {

QMdiSubWindow* childWindow(const MainWindow& window, const QString& name) {
    const QList<QMdiSubWindow*> windows = workspace(window).subWindowList();
    for (QMdiSubWindow* child : windows) {
        if (child->widget()->objectName() == name) {
            return child;
        }
    }
    return nullptr;
}

void choose(MainWindow& window, const QString& item) {
    menuItem(window, item)->trigger();
}

} // namespace

class EditorCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void menuItemsOpenTheirWindows_data();
    void menuItemsOpenTheirWindows();
    void toolbarEntriesOpenTheirWindows_data();
    void toolbarEntriesOpenTheirWindows();
    void anOpenWindowComesToTheFrontAsItIs();
    void theFirstNameBoxTakesTheFocusInTheWorkspace();
    void anAppliedNameShowsInAFreshOverview();
    void decoderEditorLeavesTheModifiedFlag();
};

// Each window opens under its name, and a re-login closes those that show
// somebody's settings; the PI, live and log windows show nobody's and stay.
void EditorCommandsTest::menuItemsOpenTheirWindows_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("closedByRelogin");
    QTest::newRow("programme service") << u"mnuInstellingen_programmaservice"_s << u"frmProgramma"_s
                                       << u"Programmaservice"_s << true;
    QTest::newRow("radiotext") << u"mnuInstellingen_radiotekst"_s << u"frmRadiotekst"_s
                               << u"Radiotekst"_s << true;
    QTest::newRow("decoder") << u"mnuInstellingen_decoderinformatie"_s << u"frmDecoder_informatie"_s
                             << u"Decoder informatie"_s << true;
    QTest::newRow("programme identification")
        << u"mnuInstellingenProgrammaIdentificatie"_s << u"frmPi"_s << u"Programma Identificatie"_s
        << false;
    QTest::newRow("overview") << u"mnuVenster_overzicht"_s << u"frmOverzicht"_s << u"Overzicht"_s
                              << true;
    QTest::newRow("preview") << u"mnuVenster_voorbeeld"_s << u"frmVoorbeeld"_s << u"Voorbeeld"_s
                             << true;
    QTest::newRow("COM port") << u"mnuInstellingen_compoort"_s << u"frmCompoort"_s << u"Compoort"_s
                              << true;
    QTest::newRow("user editor") << u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s
                                 << u"frmGebruiker"_s << u"Gebruiker toevoegen"_s << true;
    QTest::newRow("live radiotext")
        << u"mnuBewerken_liveradiotekst"_s << u"frmLive"_s << u"Live radiotekst"_s << false;
    QTest::newRow("log") << u"mnuVenster_logboek"_s << u"frmLogboek"_s << u"Logboek"_s << false;
}

void EditorCommandsTest::menuItemsOpenTheirWindows() {
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(bool, closedByRelogin);
    Station station;
    MainWindow& main = station.window;
    main.show();

    station.runEnabled(item);
    QMdiSubWindow* child = childWindow(main, window);
    QVERIFY(child != nullptr);
    QCOMPARE(child->windowTitle(), caption);
    const int offset = velmora::widgets::twipsToPixels(10, &workspace(main));
    QCOMPARE(child->pos(), QPoint(offset, offset));
    QVERIFY(child->widget()->isVisible());

    station.run(u"mnuBestand_opnieuwaanmelden"_s);
    velmora::testing::openWindow(u"frmAanmelden"_s)->close();
    deletePendingWindows();
    QCOMPARE(childWindow(main, window) == nullptr, closedByRelogin);
}

void EditorCommandsTest::toolbarEntriesOpenTheirWindows_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("Programmaservice") << u"Programmaservice"_s << u"frmProgramma"_s;
    QTest::newRow("Radiotekst") << u"Radiotekst"_s << u"frmRadiotekst"_s;
    QTest::newRow("Overzicht") << u"Overzicht"_s << u"frmOverzicht"_s;
}

void EditorCommandsTest::toolbarEntriesOpenTheirWindows() {
    QFETCH(QString, key);
    QFETCH(QString, window);
    Station station;
    MainWindow& main = station.window;
    toolbarEntry(main, key)->trigger();
    QVERIFY(childWindow(main, window) != nullptr);
}

void EditorCommandsTest::anOpenWindowComesToTheFrontAsItIs() {
    Station station;
    MainWindow& main = station.window;
    main.show();
    choose(main, u"mnuInstellingen_programmaservice"_s);
    auto* name = control<QLineEdit>(u"frmProgramma"_s, u"txtProgramma_3"_s);
    name->setText(u"TYPED"_s);
    choose(main, u"mnuInstellingenProgrammaIdentificatie"_s);
    control<QLineEdit>(u"frmPi"_s, u"txtPi"_s)->setText(u"4660"_s);
    choose(main, u"mnuInstellingen_decoderinformatie"_s);
    control<QComboBox>(u"frmDecoder_informatie"_s, u"cmbProgramma"_s)->setCurrentIndex(7);

    choose(main, u"mnuInstellingen_programmaservice"_s);
    QCOMPARE(workspace(main).subWindowList().size(), 3);
    QCOMPARE(workspace(main).activeSubWindow(), childWindow(main, u"frmProgramma"_s));
    QCOMPARE(control<QLineEdit>(u"frmProgramma"_s, u"txtProgramma_3"_s), name);
    QCOMPARE(name->text(), u"TYPED"_s);
    choose(main, u"mnuInstellingenProgrammaIdentificatie"_s);
    QCOMPARE(control<QLineEdit>(u"frmPi"_s, u"txtPi"_s)->text(), u"4660"_s);
    choose(main, u"mnuInstellingen_decoderinformatie"_s);
    QCOMPARE(control<QComboBox>(u"frmDecoder_informatie"_s, u"cmbProgramma"_s)->currentIndex(), 7);
    QCOMPARE(workspace(main).subWindowList().size(), 3);
}

void EditorCommandsTest::theFirstNameBoxTakesTheFocusInTheWorkspace() {
    Station station;
    MainWindow& main = station.window;
    std::string set;
    for (int k = 0; k < 10; ++k) {
        set += "        1\r\n";
    }
    station.document.replaceSet(velmora::station::SetKind::ProgrammeService, set);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    choose(main, u"mnuInstellingen_programmaservice"_s);
    auto* first = control<QLineEdit>(u"frmProgramma"_s, u"txtProgramma_0"_s);
    VELMORA_TRY_COMPARE(QApplication::focusWidget(), first, velmora::testing::kDeadlineMs);
    QCOMPARE(first->text(), QString());
    QCOMPARE(control<QLineEdit>(u"frmProgramma"_s, u"txtProgramma_1"_s)->text(), u"        "_s);
}

void EditorCommandsTest::anAppliedNameShowsInAFreshOverview() {
    Station station;
    MainWindow& main = station.window;
    main.show();
    choose(main, u"mnuVenster_overzicht"_s);
    const QString label = u"lblProgramma_overzicht_2"_s;
    QCOMPARE(control<QLabel>(u"frmOverzicht"_s, label)->text(), u"Leeg"_s);

    choose(main, u"mnuInstellingen_programmaservice"_s);
    control<QLineEdit>(u"frmProgramma"_s, u"txtProgramma_2"_s)->setText(u"RADIO"_s);
    control<QAbstractButton>(u"frmProgramma"_s, u"chkProgramma_2"_s)->click();
    control<QPushButton>(u"frmProgramma"_s, u"cmdOk"_s)->click();
    deletePendingWindows();
    QVERIFY(childWindow(main, u"frmProgramma"_s) == nullptr);
    QVERIFY(station.document.isModified());

    choose(main, u"mnuVenster_overzicht"_s);
    QCOMPARE(control<QLabel>(u"frmOverzicht"_s, label)->text(), u"Leeg"_s);
    control<QPushButton>(u"frmOverzicht"_s, u"cmdOk"_s)->click();
    deletePendingWindows();
    choose(main, u"mnuVenster_overzicht"_s);
    QCOMPARE(control<QLabel>(u"frmOverzicht"_s, label)->text(), u"RADIO   "_s);
}

void EditorCommandsTest::decoderEditorLeavesTheModifiedFlag() {
    Station station;
    MainWindow& main = station.window;
    main.show();
    choose(main, u"mnuInstellingen_decoderinformatie"_s);
    control<QComboBox>(u"frmDecoder_informatie"_s, u"cmbAlternatief"_s)->setCurrentIndex(3);
    control<QPushButton>(u"frmDecoder_informatie"_s, u"cmdToepassen"_s)->click();
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kFrequency),
             std::string("3"));
    QVERIFY(!station.document.isModified());
}

VELMORA_TEST_MAIN(EditorCommandsTest)
#include "editor_commands_test.moc"
