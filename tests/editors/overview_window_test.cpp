#include "editors/overview_window.h"
#include "fakes/fake_settings_store.h"
#include "fakes/recording_main_window.h"
#include "support/settings_key_column.h"
#include "support/test_main.h"
#include "widgets/twips.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <string>

using namespace Qt::StringLiterals;
using velmora::editors::OverviewWindow;
using velmora::station::SetKind;

namespace {

namespace settings = velmora::settings;

std::string entry(const std::string& name, int width, char flag) {
    std::string text = name;
    text.resize(static_cast<std::size_t>(width), ' ');
    return text + flag + "\r\n";
}

QString labelText(const QWidget& window, const QString& name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : u"(no label %1)"_s.arg(name);
}

} // namespace

class OverviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void framesAndCaptions();
    void entryLabels_data();
    void entryLabels();
    void decoderLabels_data();
    void decoderLabels();
    void freshStartShowsTheDefaults();
    void laterChangesDoNotShow();
};

void OverviewWindowTest::framesAndCaptions() {
    velmora::fakes::RecordingMainWindow mainWindow;
    const velmora::station::Document document(mainWindow);
    const velmora::fakes::FakeSettingsStore store;
    const OverviewWindow window(document, store);
    const auto size = [&window](int width, int height) {
        return velmora::widgets::twipsToSize(width, height, &window);
    };
    QCOMPARE(window.size(), size(11655, 5790));
    const struct {
        QString name;
        QString caption;
        QSize size;
    } frames[] = {{u"Frame2"_s, u"Programmaservice"_s, size(6855, 2295)},
                  {u"Frame3"_s, u"Decoderinformatie"_s, size(4215, 1935)},
                  {u"Frame1"_s, u"Radiotekst"_s, size(11415, 2295)}};
    for (const auto& frame : frames) {
        const auto* box = window.findChild<QGroupBox*>(frame.name);
        QVERIFY(box != nullptr);
        QCOMPARE(box->title(), frame.caption);
        QCOMPARE(box->size(), frame.size);
    }
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(labelText(window, u"Label2_%1"_s.arg(k)), QString::number(k + 1));
    }
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(labelText(window, u"Label1_%1"_s.arg(k)), QString::number(k + 1));
    }
    QCOMPARE(labelText(window, u"Label4"_s), u"Alternatieve frequentie"_s);
    QCOMPARE(labelText(window, u"Label10"_s), u"Interval"_s);
    QCOMPARE(labelText(window, u"Label8"_s), u"Radiotekst"_s);
    const QFontMetricsF metrics(window.findChild<QLabel*>(u"lblRadio_overzicht_0"_s)->font());
    QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
}

void OverviewWindowTest::entryLabels_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<std::string>("set");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    const auto ps = [](const std::string& second) {
        return entry("FIRST", 8, '1') + second + entry("", 8, '1');
    };
    QTest::newRow("no PS set") << SetKind::ProgrammeService << std::string() << 9 << u"Leeg"_s;
    QTest::newRow("active PS name, trailing spaces kept")
        << SetKind::ProgrammeService << ps(entry("RADIO", 8, '1')) << 1 << u"RADIO   "_s;
    QTest::newRow("flag 2 is active")
        << SetKind::ProgrammeService << ps(entry("RADIO", 8, '2')) << 1 << u"RADIO   "_s;
    QTest::newRow("inactive PS name")
        << SetKind::ProgrammeService << ps(entry("RADIO", 8, '0')) << 1 << u"Niet actief"_s;
    QTest::newRow("8 spaces, active")
        << SetKind::ProgrammeService << ps(entry("", 8, '1')) << 1 << u"Leeg"_s;
    QTest::newRow("8 spaces, inactive")
        << SetKind::ProgrammeService << ps(entry("", 8, '0')) << 1 << u"Leeg"_s;
    QTest::newRow("code page characters")
        << SetKind::ProgrammeService << ps(entry("\x80\xe9\xff", 8, '1')) << 1
        << u"\u20ac\u00e9\u00ff     "_s;
    QTest::newRow("entry missing from a short set")
        << SetKind::ProgrammeService << entry("FIRST", 8, '1') << 5 << QString();
    QTest::newRow("name cut short where the set ends")
        << SetKind::ProgrammeService << entry("FIRST", 8, '1') + "AB" << 1 << u"AB"_s;
    QTest::newRow("spaces cut short where the set ends")
        << SetKind::ProgrammeService << std::string(3, ' ') << 0 << u"   "_s;
    QTest::newRow("radiotext missing from a short set")
        << SetKind::Radiotext << entry("Tekst", 64, '1') << 1 << QString();
    QTest::newRow("last PS entry")
        << SetKind::ProgrammeService << std::string(99, ' ') + entry("TEN", 8, '1') << 9
        << u"TEN     "_s;
    QTest::newRow("no RT set") << SetKind::Radiotext << std::string() << 4 << u"Leeg"_s;
    QTest::newRow("active radiotext")
        << SetKind::Radiotext << entry("Tekst", 64, '1') << 0 << u"Tekst"_s.leftJustified(64);
    QTest::newRow("inactive radiotext")
        << SetKind::Radiotext << entry("Tekst", 64, '0') << 0 << u"Niet actief"_s;
    QTest::newRow("64 spaces") << SetKind::Radiotext << entry("", 64, '1') << 0 << u"Leeg"_s;
    QTest::newRow("fifth radiotext")
        << SetKind::Radiotext << std::string(4 * 67, ' ') + entry("Vijf", 64, '1') << 4
        << u"Vijf"_s.leftJustified(64);
}

void OverviewWindowTest::entryLabels() {
    QFETCH(SetKind, kind);
    QFETCH(std::string, set);
    QFETCH(int, index);
    QFETCH(QString, shown);
    velmora::fakes::RecordingMainWindow mainWindow;
    velmora::station::Document document(mainWindow);
    document.replaceSet(kind, set);
    const velmora::fakes::FakeSettingsStore store;

    const OverviewWindow window(document, store);
    const QString array =
        kind == SetKind::ProgrammeService ? u"lblProgramma_overzicht"_s : u"lblRadio_overzicht"_s;
    QCOMPARE(labelText(window, u"%1_%2"_s.arg(array).arg(index)), shown);
}

void OverviewWindowTest::decoderLabels_data() {
    QTest::addColumn<const settings::Key*>("key");
    QTest::addColumn<std::string>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    const QLocale comma(QLocale::Dutch, QLocale::Netherlands);
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const auto row = [](const char* name, const settings::Key& key, const std::string& value,
                        const QString& label, const QString& shown,
                        const QLocale& locale = QLocale(QLocale::English)) {
        QTest::newRow(name) << &key << value << locale << label << shown;
    };
    const QString type = u"lblProgrammatype_overzicht"_s;
    const QString frequency = u"lblFrequentie_overzicht"_s;
    const QString ps = u"lblIntervalprogramma_overzicht"_s;
    const QString rt = u"lblIntervalradio_overzicht"_s;
    row("type 0", settings::kProgrammeType, "0", type, u"Geen"_s);
    row("type 12", settings::kProgrammeType, "12", type, u"Easy Listening "_s);
    row("type 31", settings::kProgrammeType, "31", type, u"Alarm"_s);
    row("type 32", settings::kProgrammeType, "32", type, u"Niet ingesteld"_s);
    row("type -1", settings::kProgrammeType, "-1", type, u"Niet ingesteld"_s);
    row("type not a number", settings::kProgrammeType, "Pop", type, u"Geen"_s);
    row("type 2.6 rounds", settings::kProgrammeType, "2.6", type, u"Information"_s);
    row("type -0.4 lies below 0", settings::kProgrammeType, "-0.4", type, u"Niet ingesteld"_s);
    row("type 31.5 rounds past the list", settings::kProgrammeType, "31.5", type,
        u"Niet ingesteld"_s);
    row("frequency 0", settings::kFrequency, "0", frequency, u"Niet ingesteld"_s);
    row("frequency 0.5 lies below 1", settings::kFrequency, "0.5", frequency, u"Niet ingesteld"_s);
    row("frequency 1.4 rounds", settings::kFrequency, "1.4", frequency, u"87.6 MHz"_s, point);
    row("frequency 204.5 rounds past the list", settings::kFrequency, "204.5", frequency,
        u"Niet ingesteld"_s);
    row("frequency 1, comma", settings::kFrequency, "1", frequency, u"87,6 MHz"_s, comma);
    row("frequency 1, point", settings::kFrequency, "1", frequency, u"87.6 MHz"_s, point);
    row("frequency 5", settings::kFrequency, "5", frequency, u"88 MHz"_s, comma);
    row("frequency 204, comma", settings::kFrequency, "204", frequency, u"107,9 MHz"_s, comma);
    row("frequency 204, point", settings::kFrequency, "204", frequency, u"107.9 MHz"_s, point);
    row("frequency 205", settings::kFrequency, "205", frequency, u"Niet ingesteld"_s);
    row("frequency of 500 digits", settings::kFrequency, std::string(500, '1'), frequency,
        u"Niet ingesteld"_s);
    row("ps interval 0", settings::kPsIntervalPosition, "0", ps, u"3 Seconden"_s);
    row("ps interval 117", settings::kPsIntervalPosition, "117", ps, u"120 Seconden"_s);
    row("ps interval 118", settings::kPsIntervalPosition, "118", ps, u"Niet ingesteld"_s);
    row("ps interval -1", settings::kPsIntervalPosition, "-1", ps, u"Niet ingesteld"_s);
    row("ps interval -0.4 lies below 0", settings::kPsIntervalPosition, "-0.4", ps,
        u"Niet ingesteld"_s);
    row("ps interval -0.0 is 0", settings::kPsIntervalPosition, "-0.0", ps, u"3 Seconden"_s);
    row("ps interval 116.5 rounds", settings::kPsIntervalPosition, "116.5", ps, u"120 Seconden"_s);
    row("rt interval 95", settings::kRtIntervalPosition, "95", rt, u"120 Seconden"_s);
    row("rt interval 96", settings::kRtIntervalPosition, "96", rt, u"Niet ingesteld"_s);
    row("rt interval -.2 lies below 0", settings::kRtIntervalPosition, "-.2", rt,
        u"Niet ingesteld"_s);
    row("seconds keys are not read", settings::kPsIntervalSeconds, "60", ps, u"3 Seconden"_s);
}

void OverviewWindowTest::decoderLabels() {
    QFETCH(const settings::Key*, key);
    QFETCH(std::string, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    velmora::fakes::RecordingMainWindow mainWindow;
    const velmora::station::Document document(mainWindow);
    velmora::fakes::FakeSettingsStore store;
    QVERIFY(settings::write(store, *key, value).ok());

    const OverviewWindow window(document, store, locale);
    QCOMPARE(labelText(window, label), shown);
}

void OverviewWindowTest::freshStartShowsTheDefaults() {
    velmora::fakes::RecordingMainWindow mainWindow;
    const velmora::station::Document document(mainWindow);
    const velmora::fakes::FakeSettingsStore store;
    const OverviewWindow window(document, store);
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(labelText(window, u"lblProgramma_overzicht_%1"_s.arg(k)), u"Leeg"_s);
    }
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(labelText(window, u"lblRadio_overzicht_%1"_s.arg(k)), u"Leeg"_s);
    }
    QCOMPARE(labelText(window, u"lblProgrammatype_overzicht"_s), u"Geen"_s);
    QCOMPARE(labelText(window, u"lblFrequentie_overzicht"_s), u"Niet ingesteld"_s);
    QCOMPARE(labelText(window, u"lblIntervalprogramma_overzicht"_s), u"3 Seconden"_s);
    QCOMPARE(labelText(window, u"lblIntervalradio_overzicht"_s), u"25 Seconden"_s);
}

void OverviewWindowTest::laterChangesDoNotShow() {
    velmora::fakes::RecordingMainWindow mainWindow;
    velmora::station::Document document(mainWindow);
    velmora::fakes::FakeSettingsStore store;
    const OverviewWindow window(document, store);

    document.replaceSet(SetKind::ProgrammeService, entry("LATER", 8, '1'));
    QVERIFY(settings::write(store, settings::kProgrammeType, "10").ok());
    QCOMPARE(labelText(window, u"lblProgramma_overzicht_0"_s), u"Leeg"_s);
    QCOMPARE(labelText(window, u"lblProgrammatype_overzicht"_s), u"Geen"_s);
}

VELMORA_TEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
