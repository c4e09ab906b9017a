#include "shell/encoder_list_window.h"

#include "platform/qt/windows1252.h"
#include "shell/port_description.h"
#include "shell/port_link_dialog.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/row_table.h"
#include "widgets/warning_window.h"
#include "widgets/windows1252_text_box.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

constexpr int kTakesPartColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kPortColumn = 2;
constexpr int kDestinationColumn = 3;
constexpr int kLongestName = 40;

} // namespace

EncoderListWindow::EncoderListWindow(platform::SettingsStore& store, QWidget* parent)
    : QWidget(parent), store_(store),
      encoders_(widgets::rowTable(u"lstZenders"_s,
                                  {u"Doet mee"_s, u"Naam"_s, u"Poort"_s, u"Leidt naar"_s}, this)) {
    setWindowTitle(u"Zenders"_s);
    encoders_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Interactive);
    encoders_->setColumnWidth(kNameColumn, fontMetrics().averageCharWidth() * 24);
    encoders_->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 8);

    auto* link = widgets::namedButton(u"cmdKoppelen"_s, u"&Koppelen..."_s, this);
    const widgets::RowButtons rows = widgets::rowButtons(*encoders_, {link});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(encoders_, 1);
    layout->addLayout(rows.layout);
    widgets::addEditorButtons(*this, *layout, [this] { return apply(); });

    for (const settings::EncoderEntry& encoder : settings::readEncoderList(store_)) {
        addRow(encoder);
    }
    connect(rows.add, &QPushButton::clicked, this, [this] {
        if (encoders_->rowCount() < settings::kEncoderRows.range->highest) {
            addRow({.name = {}, .port = encoders_->rowCount() + 1, .takesPart = true});
            encoders_->selectRow(encoders_->rowCount() - 1);
        }
    });
    connect(link, &QPushButton::clicked, this, &EncoderListWindow::linkSelectedPort);
}

void EncoderListWindow::addRow(const settings::EncoderEntry& encoder) {
    const int row = encoders_->rowCount();
    encoders_->insertRow(row);
    encoders_->setItem(row, kTakesPartColumn, widgets::checkCell(encoder.takesPart));

    QLineEdit* name = widgets::windows1252TextBox(u"txtNaam"_s, kLongestName, encoders_);
    name->setText(platform::fromWindows1252(encoder.name));
    name->setPlaceholderText(u"Zender Noord"_s);
    encoders_->setCellWidget(row, kNameColumn, name);

    auto* port = new QSpinBox(encoders_);
    port->setObjectName(u"txtPoort"_s);
    port->setRange(settings::kEncoderPortRange.lowest, settings::kEncoderPortRange.highest);
    port->setValue(encoder.port);
    encoders_->setCellWidget(row, kPortColumn, port);

    auto* destination = new QTableWidgetItem;
    destination->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    encoders_->setItem(row, kDestinationColumn, destination);
    // The row moves up when one above it goes, so it is looked up each time.
    connect(port, &QSpinBox::valueChanged, this, [this, port] {
        for (int shown = 0; shown < encoders_->rowCount(); ++shown) {
            if (encoders_->cellWidget(shown, kPortColumn) == port) {
                showDestination(shown);
            }
        }
    });
    showDestination(row);
}

int EncoderListWindow::portOfRow(int row) const {
    return static_cast<QSpinBox*>(encoders_->cellWidget(row, kPortColumn))->value();
}

settings::EncoderEntry EncoderListWindow::encoderOfRow(int row) const {
    return {.name = platform::toWindows1252(
                static_cast<QLineEdit*>(encoders_->cellWidget(row, kNameColumn))->text()),
            .port = portOfRow(row),
            .takesPart = widgets::isChecked(*encoders_, row, kTakesPartColumn)};
}

void EncoderListWindow::showDestination(int row) {
    const QString text = describePort(portOfRow(row));
    QTableWidgetItem* destination = encoders_->item(row, kDestinationColumn);
    destination->setText(text);
    destination->setToolTip(text);
}

void EncoderListWindow::linkSelectedPort() {
    const int row = encoders_->currentRow();
    if (row >= 0 && PortLinkDialog::linkModally(portOfRow(row), this)) {
        for (int shown = 0; shown < encoders_->rowCount(); ++shown) {
            showDestination(shown);
        }
    }
}

bool EncoderListWindow::apply() {
    std::vector<settings::EncoderEntry> encoders;
    for (int row = 0; row < encoders_->rowCount(); ++row) {
        encoders.push_back(encoderOfRow(row));
    }
    const platform::Status saved = settings::writeEncoderList(store_, encoders);
    if (!saved) {
        widgets::warnSettingsNotSaved(saved.reason());
    }
    return saved.ok();
}

} // namespace velmora::shell
