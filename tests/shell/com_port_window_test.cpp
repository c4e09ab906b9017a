// The COM port window shows where each number leads, and "Koppelen..." links
// the selected number to a device or to a serial device server.

#include "platform/qt/port_links.h"
#include "settings/settings_schema.h"
#include "shell/port_description.h"
#include "shell/port_link_dialog.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/port_link_choice.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/user_input.h"
#include "support/wait.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::platform::DeviceState;
using velmora::platform::NetworkAddress;
using velmora::platform::PortDestination;
using velmora::shell::describeDestination;

namespace {

const QString kWindow = u"frmCompoort"_s;
const QString kDialog = u"frmKoppelen"_s;

QString linkTarget(int port) {
    return velmora::platform::portDestination(port).linkTarget;
}

// What the window says of the selected number, in full.
QString destinationShown() {
    return control<QLabel>(kWindow, u"lblApparaat"_s)->toolTip();
}

void selectPort(const QString& port) {
    control<QComboBox>(kWindow, u"cmbCompoort"_s)->setCurrentText(port);
}

} // namespace

class ComPortWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }

    void destinationIsWordedForTheUser_data();
    void destinationIsWordedForTheUser();
    void windowShowsWhereTheSelectedNumberLeads();
    void linkingLeadsTheSelectedNumberElsewhere_data();
    void linkingLeadsTheSelectedNumberElsewhere();
    void incompleteChoiceLinksNothing_data();
    void incompleteChoiceLinksNothing();
    void serialDeviceOfTheListIsLinkedByItsStablePath();

private:
    QTemporaryDir devices_;
};

void ComPortWindowTest::destinationIsWordedForTheUser_data() {
    QTest::addColumn<PortDestination>("destination");
    QTest::addColumn<DeviceState>("state");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("text");

    QTest::newRow("no link") << PortDestination{.device = u"/dev/ttyS2"_s} << DeviceState::Absent
                             << QString() << u"Leidt naar /dev/ttyS2: niet aanwezig"_s;
    QTest::newRow("link to the device")
        << PortDestination{.linkTarget = u"/dev/ttyUSB0"_s, .device = u"/dev/ttyUSB0"_s}
        << DeviceState::NoAccess << QString() << u"Leidt naar /dev/ttyUSB0: geen toegang"_s;
    QTest::newRow("stable name of an adapter")
        << PortDestination{.linkTarget = u"/dev/serial/by-id/usb-FTDI-port0"_s,
                           .device = u"/dev/ttyUSB1"_s}
        << DeviceState::Present << u"FT232R USB UART"_s
        << u"Leidt naar /dev/serial/by-id/usb-FTDI-port0 (/dev/ttyUSB1): aanwezig, FT232R USB UART"_s;
    QTest::newRow("Windows port") << PortDestination{.device = u"COM3"_s} << DeviceState::Present
                                  << u"USB Serial Port"_s
                                  << u"Leidt naar COM3: aanwezig, USB Serial Port"_s;
    QTest::newRow("device server")
        << PortDestination{.linkTarget = u"tcp://192.0.2.7:4001"_s,
                           .network = NetworkAddress{u"192.0.2.7"_s, 4001}}
        << DeviceState::Present << QString()
        << u"Leidt via het netwerk naar 192.0.2.7, TCP-poort 4001"_s;
}

void ComPortWindowTest::destinationIsWordedForTheUser() {
    QFETCH(PortDestination, destination);
    QFETCH(DeviceState, state);
    QFETCH(QString, description);
    QFETCH(QString, text);
    QCOMPARE(describeDestination(destination, state, description), text);
}

// Number 1 leads to a device that does not exist, 2 to one that does, 3 to a
// device server; the label follows the list.
void ComPortWindowTest::windowShowsWhereTheSelectedNumberLeads() {
    const QString device = devices_.filePath(u"ttyUSB7"_s);
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(velmora::platform::linkPort(2, device).ok());
    QVERIFY(velmora::platform::linkPort(3, u"tcp://192.0.2.7:4001"_s).ok());
    Station station;
    station.runEnabled(u"mnuInstellingen_compoort"_s);

    QVERIFY(destinationShown().endsWith(u": niet aanwezig"_s));
    QVERIFY(!control<QLabel>(kWindow, u"lblApparaat"_s)->text().isEmpty());
    selectPort(u"2"_s);
    QCOMPARE(destinationShown(),
             u"Leidt naar "_s + QFileInfo(device).canonicalFilePath() + u": aanwezig"_s);
    selectPort(u"3"_s);
    QCOMPARE(destinationShown(), u"Leidt via het netwerk naar 192.0.2.7, TCP-poort 4001"_s);
}

void ComPortWindowTest::linkingLeadsTheSelectedNumberElsewhere_data() {
    QTest::addColumn<std::function<void(QWidget&)>>("choose");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("shown");
    QTest::newRow("another device, such as a pseudo-terminal")
        << std::function<void(QWidget&)>(
               [](QWidget& dialog) { chooseOtherDevice(dialog, u" /dev/pts/42 "_s); })
        << u"/dev/pts/42"_s << u"Leidt naar /dev/pts/42: niet aanwezig"_s;
    QTest::newRow("a device server")
        << std::function<void(QWidget&)>(
               [](QWidget& dialog) { chooseNetwork(dialog, u"zender.example"_s, 2001); })
        << u"tcp://zender.example:2001"_s
        << u"Leidt via het netwerk naar zender.example, TCP-poort 2001"_s;
}

// The number itself stays as it was stored: only the link changes.
void ComPortWindowTest::linkingLeadsTheSelectedNumberElsewhere() {
    QFETCH(std::function<void(QWidget&)>, choose);
    QFETCH(QString, target);
    QFETCH(QString, shown);
    Station station;
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kPortNumber, "1").ok());
    station.runEnabled(u"mnuInstellingen_compoort"_s);
    selectPort(u"4"_s);
    ModalWatcher user(chooseInLinkDialog(choose));

    click(kWindow, u"cmdKoppelen"_s);

    VELMORA_TRY_COMPARE(linkTarget(4), target, kDeadlineMs);
    QCOMPARE(user.openedCount(), 1);
    QCOMPARE(destinationShown(), shown);
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kPortNumber), "1");
    QVERIFY(openWindow(kWindow) != nullptr);
}

void ComPortWindowTest::incompleteChoiceLinksNothing_data() {
    QTest::addColumn<std::function<void(QWidget&)>>("choose");
    QTest::addColumn<QString>("message");
    const QString noPath =
        u"Vul het volledige pad van het apparaat in, bijvoorbeeld /dev/ttyUSB0."_s;
    const QString noHost = u"Vul de naam of het IP-adres van de seriële apparaatserver in."_s;
    QTest::newRow("no device") << std::function<void(QWidget&)>([](QWidget& dialog) {
        chooseOtherDevice(dialog, QString());
    }) << noPath;
    QTest::newRow("relative path") << std::function<void(QWidget&)>([](QWidget& dialog) {
        chooseOtherDevice(dialog, u"ttyUSB0"_s);
    }) << noPath;
    QTest::newRow("no host") << std::function<void(QWidget&)>([](QWidget& dialog) {
        chooseNetwork(dialog, u" "_s, 4001);
    }) << noHost;
    QTest::newRow("host with a space") << std::function<void(QWidget&)>([](QWidget& dialog) {
        chooseNetwork(dialog, u"zender noord"_s, 4001);
    }) << noHost;
    QTest::newRow("no device of the list") << std::function<void(QWidget&)>([](QWidget& dialog) {
        dialog.findChild<QRadioButton*>(u"optApparaat"_s)->setChecked(true);
        dialog.findChild<QTreeWidget*>(u"lstApparaten"_s)->setCurrentItem(nullptr);
    }) << u"Selecteer een apparaat in de lijst."_s;
}

void ComPortWindowTest::incompleteChoiceLinksNothing() {
    QFETCH(std::function<void(QWidget&)>, choose);
    QFETCH(QString, message);
    Station station;
    station.runEnabled(u"mnuInstellingen_compoort"_s);
    selectPort(u"5"_s);
    const QString before = linkTarget(5);
    ModalWatcher user(chooseInLinkDialog(choose));

    click(kWindow, u"cmdKoppelen"_s);

    QCOMPARE(user.messages(), QStringList{message});
    QCOMPARE(user.closed().constLast().name, kDialog); // open until cancelled
    QCOMPARE(linkTarget(5), before);
}

// A USB adapter is offered under the name that survives replugging; the
// dialog opens on what the number leads to now.
void ComPortWindowTest::serialDeviceOfTheListIsLinkedByItsStablePath() {
    const QList<velmora::platform::SerialDevice> devices{
        {.path = u"/dev/ttyS0"_s, .systemLocation = u"/dev/ttyS0"_s},
        {.path = u"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"_s,
         .systemLocation = u"/dev/ttyUSB0"_s,
         .description = u"FT232R USB UART"_s,
         .manufacturer = u"FTDI"_s,
         .serialNumber = u"A50285BI"_s}};
    QVERIFY(velmora::platform::linkPort(6, u"/dev/ttyS0"_s).ok());
    velmora::shell::PortLinkDialog dialog(6, devices);
    auto* list = dialog.findChild<QTreeWidget*>(u"lstApparaten"_s);
    QVERIFY(dialog.findChild<QRadioButton*>(u"optApparaat"_s)->isChecked());
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 0);
    QCOMPARE(list->topLevelItem(1)->text(3), u"A50285BI"_s);

    list->setCurrentItem(list->topLevelItem(1));
    dialog.findChild<QPushButton*>(u"cmdOk"_s)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(linkTarget(6), u"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"_s);
}

VELMORA_TEST_MAIN(ComPortWindowTest)
#include "com_port_window_test.moc"
