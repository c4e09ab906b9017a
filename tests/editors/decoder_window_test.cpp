#include "editors/decoder_window.h"
#include "fakes/fake_settings_store.h"
#include "fakes/settings_builders.h"
#include "support/modal_watcher.h"
#include "support/settings_key_column.h"
#include "support/tab_order.h"
#include "support/test_main.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <span>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using velmora::editors::DecoderWindow;

namespace {

namespace settings = velmora::settings;

// Notes every key saved, in order.
class RecordingSettingsStore : public velmora::fakes::FakeSettingsStore {
public:
    velmora::platform::Status
    SaveSettings(std::string_view section,
                 std::span<const velmora::platform::Setting> changes) override {
        for (const auto& change : changes) {
            saved.push_back(std::string(change.key) + "=" + std::string(change.value));
        }
        return FakeSettingsStore::SaveSettings(section, changes);
    }

    std::vector<std::string> saved;
};

QComboBox* list(const QWidget& window, const QString& name) {
    return window.findChild<QComboBox*>(name);
}

void click(const QWidget& window, const QString& button) {
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}

const std::vector<std::string> kWrittenOnFreshStore{
    "Programma=0", "Frequentie=0", "Progint=0", "strProgint=3", "Tekstint=0", "strTekstint=25"};

} // namespace

class DecoderWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndOrder();
    void listsHoldTheirEntries();
    void frequenciesUseTheDecimalSeparator_data();
    void frequenciesUseTheDecimalSeparator();
    void frequenciesFollowTheSystemLocaleByDefault();
    void storedValuesSelectOrFallBack_data();
    void storedValuesSelectOrFallBack();
    void applyWritesAllSixKeysInOrder();
    void okWritesAndCloses_cancelWritesNothing();
    void aRefusedSaveIsReportedAndKeepsEveryKeyAndTheWindow_data();
    void aRefusedSaveIsReportedAndKeepsEveryKeyAndTheWindow();
};

void DecoderWindowTest::controlsCarryTheirNamesAndOrder() {
    velmora::fakes::FakeSettingsStore store;
    const DecoderWindow window(store);
    QCOMPARE(window.windowTitle(), u"Decoder informatie"_s);
    QCOMPARE(window.size(), velmora::widgets::twipsToSize(4815, 4695, &window));
    QCOMPARE(list(window, u"cmbProgramma"_s)->toolTip(), u"Selecteer de gewenste optie."_s);
    QCOMPARE(list(window, u"cmbAlternatief"_s)->toolTip(), u"Selecteer de gewenste optie."_s);
    QVERIFY(!list(window, u"cmbProgramma"_s)->isEditable());
    QCOMPARE(window.findChild<QPushButton*>(u"cmdOk"_s)->toolTip(),
             u"Instellingen toepassen en terugkeren."_s);
    QCOMPARE(window.findChild<QPushButton*>(u"cmdToepassen"_s)->toolTip(),
             u"Instellingen toepassen."_s);
    QCOMPARE(window.findChild<QPushButton*>(u"cmdAnnuleren"_s)->toolTip(),
             u"Instellingen ongewijzigd laten en terugkeren."_s);

    const QStringList expected{u"cmbProgramma"_s,  u"cmbAlternatief"_s, u"cmbProgrammaservice"_s,
                               u"cmbRadiotekst"_s, u"cmdOk"_s,          u"cmdToepassen"_s,
                               u"cmdAnnuleren"_s};
    QCOMPARE(velmora::testing::tabOrder(window, *list(window, u"cmbProgramma"_s)), expected);
}

void DecoderWindowTest::listsHoldTheirEntries() {
    velmora::fakes::FakeSettingsStore store;
    const DecoderWindow window(store);
    const QComboBox* types = list(window, u"cmbProgramma"_s);
    QCOMPARE(types->count(), 32);
    QCOMPARE(types->itemText(0), u"Geen"_s);
    QCOMPARE(types->itemText(12), u"Easy Listening "_s);
    QCOMPARE(types->itemText(18), u"Children's Programs"_s);
    QCOMPARE(types->itemText(31), u"Alarm"_s);
    const QComboBox* ps = list(window, u"cmbProgrammaservice"_s);
    QCOMPARE(ps->count(), 118);
    QCOMPARE(ps->itemText(0), u"3"_s);
    QCOMPARE(ps->itemText(117), u"120"_s);
    const QComboBox* rt = list(window, u"cmbRadiotekst"_s);
    QCOMPARE(rt->count(), 96);
    QCOMPARE(rt->itemText(0), u"25"_s);
    QCOMPARE(rt->itemText(95), u"120"_s);
}

void DecoderWindowTest::frequenciesUseTheDecimalSeparator_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::newRow("comma") << QLocale(QLocale::Dutch, QLocale::Netherlands) << u"87,6"_s
                           << u"87,7"_s << u"107,9"_s;
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates) << u"87.6"_s
                           << u"87.7"_s << u"107.9"_s;
}

void DecoderWindowTest::frequenciesUseTheDecimalSeparator() {
    QFETCH(QLocale, locale);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    velmora::fakes::FakeSettingsStore store;
    const DecoderWindow window(store, locale);
    const QComboBox* frequencies = list(window, u"cmbAlternatief"_s);

    QCOMPARE(frequencies->count(), 205);
    QCOMPARE(frequencies->itemText(0), u"Geen"_s);
    QCOMPARE(frequencies->itemText(1), first);
    QCOMPARE(frequencies->itemText(2), second);
    QCOMPARE(frequencies->itemText(5), u"88"_s);
    QCOMPARE(frequencies->itemText(105), u"98"_s);
    QCOMPARE(frequencies->itemText(204), last);
}

void DecoderWindowTest::frequenciesFollowTheSystemLocaleByDefault() {
    velmora::fakes::FakeSettingsStore store;
    const DecoderWindow window(store);
    QCOMPARE(list(window, u"cmbAlternatief"_s)->itemText(1),
             u"87"_s + QLocale::system().decimalPoint() + u"6"_s);
}

void DecoderWindowTest::storedValuesSelectOrFallBack_data() {
    QTest::addColumn<const settings::Key*>("key");
    QTest::addColumn<std::string>("value");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("selected");
    const auto row = [](const char* name, const settings::Key& key, const char* value,
                        const QString& list, const QString& selected) {
        QTest::newRow(name) << &key << std::string(value) << list << selected;
    };
    const QString types = u"cmbProgramma"_s;
    const QString frequencies = u"cmbAlternatief"_s;
    const QString ps = u"cmbProgrammaservice"_s;
    const QString rt = u"cmbRadiotekst"_s;
    row("type absent", settings::kProgrammeType, "", types, u"Geen"_s);
    row("type 10", settings::kProgrammeType, "10", types, u"Pop Music"_s);
    row("type 31", settings::kProgrammeType, "31", types, u"Alarm"_s);
    row("type 32", settings::kProgrammeType, "32", types, u"Geen"_s);
    row("type -1", settings::kProgrammeType, "-1", types, u"Geen"_s);
    row("type not a number", settings::kProgrammeType, "Jazz", types, u"Geen"_s);
    row("type 2.6 rounds", settings::kProgrammeType, "2.6", types, u"Information"_s);
    row("type of 500 digits", settings::kProgrammeType, std::string(500, '9').c_str(), types,
        u"Geen"_s);
    row("frequency absent", settings::kFrequency, "", frequencies, u"Geen"_s);
    row("frequency 1", settings::kFrequency, "1", frequencies, u"87.6"_s);
    row("frequency 204", settings::kFrequency, "204", frequencies, u"107.9"_s);
    row("frequency 205", settings::kFrequency, "205", frequencies, u"Geen"_s);
    row("ps interval absent", settings::kPsIntervalPosition, "", ps, u"3"_s);
    row("ps interval 117", settings::kPsIntervalPosition, "117", ps, u"120"_s);
    row("ps interval 118", settings::kPsIntervalPosition, "118", ps, u"3"_s);
    row("rt interval 0", settings::kRtIntervalPosition, "0", rt, u"25"_s);
    row("rt interval 95", settings::kRtIntervalPosition, "95", rt, u"120"_s);
    row("rt interval 96", settings::kRtIntervalPosition, "96", rt, u"25"_s);
}

void DecoderWindowTest::storedValuesSelectOrFallBack() {
    QFETCH(const settings::Key*, key);
    QFETCH(std::string, value);
    QFETCH(QString, listName);
    QFETCH(QString, selected);
    velmora::fakes::FakeSettingsStore store;
    if (!value.empty()) {
        QVERIFY(settings::write(store, *key, value).ok());
    }
    // Seconds are not what selects an interval.
    QVERIFY(
        velmora::fakes::withDecoder(store, {.psIntervalSeconds = "50", .rtIntervalSeconds = "50"})
            .ok());
    const int savesBefore = store.saveCount();

    const DecoderWindow window(store, QLocale(QLocale::English));
    QCOMPARE(list(window, listName)->currentText(), selected);
    QCOMPARE(store.saveCount(), savesBefore);
    QCOMPARE(settings::read(store, *key), value);
}

void DecoderWindowTest::applyWritesAllSixKeysInOrder() {
    RecordingSettingsStore store;
    DecoderWindow window(store);
    click(window, u"cmdToepassen"_s);
    QCOMPARE(store.saved, kWrittenOnFreshStore);

    store.saved.clear();
    list(window, u"cmbProgrammaservice"_s)->setCurrentIndex(117);
    click(window, u"cmdToepassen"_s);
    QCOMPARE(store.saved,
             (std::vector<std::string>{"Programma=0", "Frequentie=0", "Progint=117",
                                       "strProgint=120", "Tekstint=0", "strTekstint=25"}));

    store.saved.clear();
    list(window, u"cmbProgramma"_s)->setCurrentIndex(31);
    list(window, u"cmbAlternatief"_s)->setCurrentIndex(204);
    list(window, u"cmbRadiotekst"_s)->setCurrentIndex(95);
    click(window, u"cmdToepassen"_s);
    QCOMPARE(store.saved,
             (std::vector<std::string>{"Programma=31", "Frequentie=204", "Progint=117",
                                       "strProgint=120", "Tekstint=95", "strTekstint=120"}));
}

void DecoderWindowTest::okWritesAndCloses_cancelWritesNothing() {
    RecordingSettingsStore store;
    DecoderWindow cancelled(store);
    cancelled.show();
    list(cancelled, u"cmbProgramma"_s)->setCurrentIndex(5);
    click(cancelled, u"cmdAnnuleren"_s);
    QVERIFY(!cancelled.isVisible());
    QVERIFY(store.saved.empty());

    DecoderWindow confirmed(store);
    confirmed.show();
    click(confirmed, u"cmdOk"_s);
    QVERIFY(!confirmed.isVisible());
    QCOMPARE(store.saved, kWrittenOnFreshStore);
}

void DecoderWindowTest::aRefusedSaveIsReportedAndKeepsEveryKeyAndTheWindow_data() {
    QTest::addColumn<int>("roomForKeys");
    QTest::newRow("store full") << 0;
    QTest::newRow("room for three of the six keys") << 3;
}

void DecoderWindowTest::aRefusedSaveIsReportedAndKeepsEveryKeyAndTheWindow() {
    QFETCH(int, roomForKeys);
    velmora::fakes::FakeSettingsStore store;
    const velmora::fakes::DecoderTexts before{.programmeType = "4",
                                              .frequencyCode = "10",
                                              .psIntervalPosition = "7",
                                              .psIntervalSeconds = "10",
                                              .rtIntervalPosition = "5",
                                              .rtIntervalSeconds = "30"};
    QVERIFY(velmora::fakes::withDecoder(store, before).ok());
    store.roomForKeys = static_cast<std::size_t>(roomForKeys);
    DecoderWindow window(store);
    window.show();
    list(window, u"cmbProgramma"_s)->setCurrentIndex(9);
    list(window, u"cmbAlternatief"_s)->setCurrentIndex(20);
    list(window, u"cmbProgrammaservice"_s)->setCurrentIndex(0);
    list(window, u"cmbRadiotekst"_s)->setCurrentIndex(0);

    velmora::testing::ModalWatcher user;
    click(window, u"cmdOk"_s);
    QCOMPARE(user.messages(),
             QStringList{u"De instellingen konden niet worden opgeslagen: Schijf vol"_s});
    QVERIFY(window.isVisible());
    QVERIFY(velmora::fakes::decoderTextsOf(store) == before);
}

VELMORA_TEST_MAIN(DecoderWindowTest)
#include "decoder_window_test.moc"
