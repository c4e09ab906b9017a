#include "shell/com_port_window.h"

#include "settings/port_setting.h"
#include "settings/settings_schema.h"
#include "shell/port_description.h"
#include "shell/port_link_dialog.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::shell {

ComPortWindow::ComPortWindow(platform::SettingsStore& store, QWidget* parent)
    : QWidget(parent), store_(store), ports_(new QComboBox(this)), destination_(new QLabel(this)),
      reconnect_(new QCheckBox(u"Automatisch opnieuw verbinden"_s, this)) {
    setWindowTitle(u"Compoort"_s);
    // Wider than the list alone needs, for where the number leads, and
    // higher for the reconnection.
    setFixedSize(widgets::twipsToSize(8640, 2175, this));

    ports_->setObjectName(u"cmbCompoort"_s);
    const settings::Range listed = *settings::kPortNumber.range;
    for (int port = listed.lowest; port <= listed.highest; ++port) {
        ports_->addItem(QString::number(port));
    }
    ports_->setCurrentIndex(settings::listedPortNumber(store_).value_or(listed.lowest) -
                            listed.lowest);

    auto* label = new QLabel(u"Selecteer de gewenste Compoort"_s, this);
    label->setObjectName(u"Label1"_s);
    label->setBuddy(ports_);

    reconnect_->setObjectName(u"chkOpnieuw"_s);
    reconnect_->setChecked(settings::reconnectsAfterLoss(store_));
    destination_->setObjectName(u"lblApparaat"_s);
    destination_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // It takes the room there is; a long path is shortened to fit.
    destination_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPushButton* link = widgets::namedButton(u"cmdKoppelen"_s, u"&Koppelen..."_s, this);
    connect(ports_, &QComboBox::currentIndexChanged, this, [this] { showDestination(); });
    connect(link, &QPushButton::clicked, this, [this] {
        if (PortLinkDialog::linkModally(selectedPort(), this)) {
            showDestination();
        }
    });

    auto* choice = new QGridLayout;
    choice->addWidget(label, 0, 0);
    choice->addWidget(ports_, 0, 1);
    choice->setColumnStretch(2, 1);
    choice->addWidget(link, 0, 3);
    choice->addWidget(destination_, 1, 0, 1, 4);
    choice->addWidget(reconnect_, 2, 0, 1, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addStretch();
    const widgets::EditorButtons buttons =
        widgets::addEditorButtons(*this, *layout, [this] { return storeChoice(); });

    setTabOrder(buttons.ok, ports_);
    setTabOrder(ports_, buttons.apply);
    setTabOrder(buttons.apply, buttons.cancel);
    setTabOrder(buttons.cancel, link);
    setTabOrder(link, reconnect_);
    buttons.ok->setFocus();
    layout->activate();
    showDestination();
}

int ComPortWindow::selectedPort() const {
    return ports_->currentText().toInt();
}

// A long device path is shortened in the middle; the whole of it is the tooltip.
void ComPortWindow::showDestination() {
    const QString text = describePort(selectedPort());
    destination_->setToolTip(text);
    destination_->setAccessibleName(text);
    destination_->setText(
        destination_->fontMetrics().elidedText(text, Qt::ElideMiddle, destination_->width()));
}

bool ComPortWindow::storeChoice() {
    const platform::Status status =
        settings::writePortChoice(store_, selectedPort(), reconnect_->isChecked());
    if (!status.ok()) {
        widgets::warnSettingsNotSaved(status.reason());
    }
    return status.ok();
}

} // namespace velmora::shell
