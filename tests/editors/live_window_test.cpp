// The live radiotext window: what it shows, what it stores and how the text
// then follows the file, on the program's fakes.

#include "fakes/encoder_frames.h"
#include "settings/settings_schema.h"
#include "support/open_window.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/user_input.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;

namespace {

const QString kWindow = u"frmLive"_s;

QString shownState() {
    return control<QLabel>(kWindow, u"lblStatus"_s)->text();
}

} // namespace

class LiveWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }

    void opensOnWhatIsStored();
    void okStoresTheFourKeysAndTheTextGoesOut();
    void browseOffersTextFiles();
    void showsWhyNothingGoesOut();
};

void LiveWindowTest::opensOnWhatIsStored() {
    Station station;
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kLiveFile, "/srv/nu.txt")
                .ok());
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kLiveEntry, "4").ok());
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kLivePrefix,
                                     "Nu op Noord FM: ")
                .ok());
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kLiveOn, "1").ok());

    station.run(u"mnuBewerken_liveradiotekst"_s);

    QCOMPARE(openWindow(kWindow)->windowTitle(), u"Live radiotekst"_s);
    QCOMPARE(control<QLineEdit>(kWindow, u"txtBestand"_s)->text(), u"/srv/nu.txt"_s);
    QCOMPARE(control<QComboBox>(kWindow, u"cmbRadiotekst"_s)->currentText(), u"4"_s);
    QCOMPARE(control<QLineEdit>(kWindow, u"txtVoorvoegsel"_s)->text(), u"Nu op Noord FM: "_s);
    QVERIFY(control<QCheckBox>(kWindow, u"chkAan"_s)->isChecked());
}

void LiveWindowTest::okStoresTheFourKeysAndTheTextGoesOut() {
    Station station;
    station.connect();
    station.liveFile.write("Caf\xC3\xA9 del Mar - Titel\n");
    station.run(u"mnuBewerken_liveradiotekst"_s);
    control<QLineEdit>(kWindow, u"txtBestand"_s)->setText(u"/srv/nu.txt"_s);
    control<QComboBox>(kWindow, u"cmbRadiotekst"_s)->setCurrentText(u"2"_s);
    type(kWindow, u"txtVoorvoegsel"_s, u"Nu: "_s);
    control<QCheckBox>(kWindow, u"chkAan"_s)->setChecked(true);

    click(kWindow, u"cmdOk"_s);

    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kLiveFile),
             "/srv/nu.txt");
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kLiveEntry), "2");
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kLivePrefix), "Nu: ");
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kLiveOn), "1");
    QCOMPARE(station.liveFile.path(), "/srv/nu.txt");
    std::string text = "Nu: Caf\xE9 del Mar - Titel";
    text.resize(64, ' ');
    QCOMPARE(station.line.writes(), std::vector<std::string>{"^B^R1" + text + "1^E"});
    QVERIFY(!station.document.isModified());
}

void LiveWindowTest::browseOffersTextFiles() {
    Station station;
    station.dialogs.answer = "/home/studio/playout/nu.txt";
    station.run(u"mnuBewerken_liveradiotekst"_s);

    click(kWindow, u"cmdBladeren"_s);

    QCOMPARE(station.dialogs.shown().size(), 1u);
    QCOMPARE(station.dialogs.shown().front().request.filter,
             "Tekstbestanden (*.txt)|*.txt|Alle bestanden (*)|*");
    QCOMPARE(control<QLineEdit>(kWindow, u"txtBestand"_s)->text(),
             u"/home/studio/playout/nu.txt"_s);
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kLiveFile),
             ""); // until it is applied
}

void LiveWindowTest::showsWhyNothingGoesOut() {
    Station station;
    station.run(u"mnuBewerken_liveradiotekst"_s);
    QCOMPARE(shownState(), u"Live radiotekst staat uit"_s);

    control<QLineEdit>(kWindow, u"txtBestand"_s)->setText(u"/srv/nu.txt"_s);
    control<QCheckBox>(kWindow, u"chkAan"_s)->setChecked(true);
    click(kWindow, u"cmdToepassen"_s);
    QCOMPARE(shownState(), u"Geen verbinding met de Encoder"_s);

    station.connect();
    QCOMPARE(shownState(), u"Bestand niet gevonden"_s);

    station.liveFile.write("Titel");
    QVERIFY(shownState().startsWith(u"Verstuurd om "_s));
    QCOMPARE(control<QLabel>(kWindow, u"lblTekst"_s)->text(), u"Titel"_s);
}

VELMORA_TEST_MAIN(LiveWindowTest)
#include "live_window_test.moc"
