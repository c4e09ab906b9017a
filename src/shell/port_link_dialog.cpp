#include "shell/port_link_dialog.h"

#include "platform/qt/port_links.h"
#include "platform/qt/windows1252.h"
#include "widgets/named_controls.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

// What serial device servers offer their first line on, more often than not.
constexpr int kUsualServerPort = 4001;

} // namespace

PortLinkDialog::PortLinkDialog(int port, const QList<platform::SerialDevice>& devices,
                               QWidget* parent)
    : QDialog(parent), port_(port), devices_(devices),
      serialDevice_(new QRadioButton(u"&Serieel apparaat"_s, this)),
      deviceList_(new QTreeWidget(this)),
      otherDevice_(new QRadioButton(u"Ander &apparaat:"_s, this)), devicePath_(new QLineEdit(this)),
      network_(new QRadioButton(u"&Netwerk (TCP)"_s, this)), host_(new QLineEdit(this)),
      tcpPort_(new QSpinBox(this)) {
    setObjectName(u"frmKoppelen"_s);
    setWindowTitle(u"Poort %1 koppelen"_s.arg(port));
    setModal(true);

    serialDevice_->setObjectName(u"optApparaat"_s);
    otherDevice_->setObjectName(u"optAnder"_s);
    network_->setObjectName(u"optNetwerk"_s);
    deviceList_->setObjectName(u"lstApparaten"_s);
    deviceList_->setAccessibleName(u"Seriële apparaten"_s);
    deviceList_->setRootIsDecorated(false);
    deviceList_->setHeaderLabels(
        {u"Apparaat"_s, u"Beschrijving"_s, u"Fabrikant"_s, u"Serienummer"_s});
    for (const platform::SerialDevice& device : devices_) {
        new QTreeWidgetItem(deviceList_, QStringList{device.path, device.description,
                                                     device.manufacturer, device.serialNumber});
    }
    deviceList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    devicePath_->setObjectName(u"txtApparaat"_s);
    devicePath_->setAccessibleName(u"Ander apparaat"_s);
    devicePath_->setPlaceholderText(u"/dev/ttyUSB0"_s);
    host_->setObjectName(u"txtHost"_s);
    tcpPort_->setObjectName(u"txtPoort"_s);
    tcpPort_->setRange(1, 65535);
    tcpPort_->setValue(kUsualServerPort);

    auto* layout = new QVBoxLayout(this);
#ifdef Q_OS_WIN
    auto* heading = new QLabel(
        u"Onder Windows is poort %1 altijd COM%1. Deze seriële apparaten zijn er:"_s.arg(port),
        this);
#else
    auto* heading = new QLabel(u"Koppel poort %1 aan:"_s.arg(port), this);
#endif
    layout->addWidget(heading);
    layout->addWidget(serialDevice_);
    layout->addWidget(deviceList_);
    if (devices_.isEmpty()) {
        layout->addWidget(new QLabel(u"Er zijn geen seriële apparaten gevonden."_s, this));
    }
    auto* other = new QHBoxLayout;
    other->addWidget(otherDevice_);
    other->addWidget(devicePath_, 1);
    layout->addLayout(other);
    auto* server = new QHBoxLayout;
    auto* hostLabel = new QLabel(u"&Host:"_s, this);
    hostLabel->setBuddy(host_);
    auto* portLabel = new QLabel(u"&Poort:"_s, this);
    portLabel->setBuddy(tcpPort_);
    server->addWidget(network_);
    server->addWidget(hostLabel);
    server->addWidget(host_, 1);
    server->addWidget(portLabel);
    server->addWidget(tcpPort_);
    layout->addLayout(server);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = widgets::namedButton(u"cmdOk"_s, u"&Ok"_s, buttons);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(widgets::namedButton(u"cmdAnnuleren"_s, u"&Annuleren"_s, buttons),
                       QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { linkChoice(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QRadioButton* choice : {serialDevice_, otherDevice_, network_}) {
        connect(choice, &QRadioButton::toggled, this, [this] { enableChosenInputs(); });
    }
    connect(deviceList_, &QTreeWidget::itemClicked, this,
            [this] { serialDevice_->setChecked(true); });
    showPresentDestination();
    enableChosenInputs();
#ifdef Q_OS_WIN
    // Nothing to link: only the list stays.
    for (QWidget* part : {static_cast<QWidget*>(serialDevice_), static_cast<QWidget*>(otherDevice_),
                          static_cast<QWidget*>(devicePath_), static_cast<QWidget*>(network_),
                          static_cast<QWidget*>(hostLabel), static_cast<QWidget*>(host_),
                          static_cast<QWidget*>(portLabel), static_cast<QWidget*>(tcpPort_),
                          static_cast<QWidget*>(ok)}) {
        part->hide();
    }
    deviceList_->setEnabled(true);
#endif
    resize(sizeHint().expandedTo({560, 0}));
}

bool PortLinkDialog::linkModally(int port, QWidget* parent) {
    PortLinkDialog dialog(port, platform::availableSerialDevices(), parent);
    return dialog.exec() == QDialog::Accepted;
}

void PortLinkDialog::showPresentDestination() {
    const platform::PortDestination destination = platform::portDestination(port_);
    if (const auto& address = destination.network) {
        network_->setChecked(true);
        host_->setText(address->host);
        tcpPort_->setValue(address->port);
        return;
    }
    for (int row = 0; row < devices_.size(); ++row) {
        const platform::SerialDevice& device = devices_.at(row);
        if (device.path == destination.linkTarget || device.systemLocation == destination.device) {
            serialDevice_->setChecked(true);
            deviceList_->setCurrentItem(deviceList_->topLevelItem(row));
            return;
        }
    }
    if (!destination.linkTarget.isEmpty() || devices_.isEmpty()) {
        otherDevice_->setChecked(true);
        devicePath_->setText(destination.linkTarget);
    } else {
        serialDevice_->setChecked(true);
    }
}

void PortLinkDialog::enableChosenInputs() {
    deviceList_->setEnabled(serialDevice_->isChecked());
    devicePath_->setEnabled(otherDevice_->isChecked());
    host_->setEnabled(network_->isChecked());
    tcpPort_->setEnabled(network_->isChecked());
}

std::optional<QString> PortLinkDialog::chosenTarget() const {
    if (serialDevice_->isChecked()) {
        const int row = deviceList_->indexOfTopLevelItem(deviceList_->currentItem());
        if (row < 0) {
            widgets::WarningWindow::showMessage(u"Selecteer een apparaat in de lijst."_s);
            return std::nullopt;
        }
        return devices_.at(row).path;
    }
    if (otherDevice_->isChecked()) {
        const QString path = devicePath_->text().trimmed();
        if (!path.startsWith(u'/')) {
            widgets::WarningWindow::showMessage(
                u"Vul het volledige pad van het apparaat in, bijvoorbeeld /dev/ttyUSB0."_s);
            return std::nullopt;
        }
        return path;
    }
    const platform::NetworkAddress address{.host = host_->text().trimmed(),
                                           .port = static_cast<quint16>(tcpPort_->value())};
    if (!platform::networkAddressFromLinkTarget(address.linkTarget())) {
        widgets::WarningWindow::showMessage(
            u"Vul de naam of het IP-adres van de seriële apparaatserver in."_s);
        return std::nullopt;
    }
    return address.linkTarget();
}

void PortLinkDialog::linkChoice() {
#ifndef Q_OS_WIN
    const std::optional<QString> target = chosenTarget();
    if (!target) {
        return;
    }
    const platform::Status status = platform::linkPort(port_, *target);
    if (!status.ok()) {
        widgets::showWarning(
            platform::toWindows1252(u"Poort %1 kon niet worden gekoppeld: "_s.arg(port_)) +
            status.reason());
        return;
    }
    accept();
#endif
}

} // namespace velmora::shell
