#include "shell/com_port_window.h"

#include "link/connection.h"
#include "platform/qt/windows1252.h"
#include "widgets/editor_buttons.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

constexpr int kPortCount = 9;

} // namespace

ComPortWindow::ComPortWindow(platform::SettingsStore& store, QWidget* parent)
    : QWidget(parent), store_(store), ports_(new QComboBox(this)) {
    setWindowTitle(u"Compoort"_s);
    setFixedSize(widgets::twipsToSize(4335, 1815, this));

    ports_->setObjectName(u"cmbCompoort"_s);
    for (int port = 1; port <= kPortCount; ++port) {
        ports_->addItem(QString::number(port));
    }
    const int stored = ports_->findText(
        platform::fromWindows1252(store_.GetSetting(link::kPortSection, link::kPortKey)));
    ports_->setCurrentIndex(std::max(stored, 0));

    auto* label = new QLabel(u"Selecteer de gewenste Compoort"_s, this);
    label->setObjectName(u"Label1"_s);
    label->setBuddy(ports_);

    auto* choice = new QHBoxLayout;
    choice->addWidget(label);
    choice->addWidget(ports_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addStretch();
    const widgets::EditorButtons buttons =
        widgets::addEditorButtons(*this, *layout, [this] { return storeChoice(); });

    setTabOrder(buttons.ok, ports_);
    setTabOrder(ports_, buttons.apply);
    setTabOrder(buttons.apply, buttons.cancel);
    buttons.ok->setFocus();
}

bool ComPortWindow::storeChoice() {
    const platform::Status status = store_.SaveSetting(
        link::kPortSection, link::kPortKey, platform::toWindows1252(ports_->currentText()));
    if (!status.ok()) {
        widgets::warnSettingsNotSaved(status.reason());
    }
    return status.ok();
}

} // namespace velmora::shell
