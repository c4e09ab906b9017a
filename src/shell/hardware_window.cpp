#include "shell/hardware_window.h"

#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

QPointer<HardwareWindow> loadedWindow;

QLabel* addRow(QGridLayout& rows, const QString& captionName, const QString& caption,
               const QString& valueName) {
    const int row = rows.rowCount();
    QLabel* value = widgets::namedLabel(valueName, u"Onbekend"_s);
    // The encoder's own text, shown as it came.
    value->setTextFormat(Qt::PlainText);
    rows.addWidget(widgets::namedLabel(captionName, caption), row, 0);
    rows.addWidget(value, row, 1);
    return value;
}

} // namespace

HardwareWindow::HardwareWindow(QWidget* parent) : QDialog(parent), frame_(new QGroupBox(this)) {
    setObjectName(u"frmHardware_info"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Velmora"_s);
    setFixedSize(widgets::twipsToSize(4575, 3255, this));

    frame_->setObjectName(u"Frame1"_s);
    auto* rows = new QGridLayout(frame_);
    rows->setColumnStretch(1, 1);
    hardware_ = addRow(*rows, u"Label1"_s, u"Gevonden hardware"_s, u"lblHardware"_s);
    version_ = addRow(*rows, u"Label2"_s, u"Software versie"_s, u"lblVersie"_s);
    update_ = addRow(*rows, u"Label3"_s, u"Laatste update"_s, u"lblUpdate"_s);

    QPushButton* ok = widgets::namedButton(u"cmdOk"_s, u"&Ok"_s, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(buttons);
}

void HardwareWindow::present(const HardwareReport& report) {
    if (loadedWindow.isNull()) {
        loadedWindow = new HardwareWindow;
    }
    HardwareWindow* window = loadedWindow;
    window->apply(report);
    QApplication::beep();
    if (!window->isVisible()) {
        window->exec();
    }
}

HardwareWindow* HardwareWindow::loaded() {
    return loadedWindow;
}

void HardwareWindow::apply(const HardwareReport& report) {
    frame_->setTitle(report.frameCaption);
    if (report.rows) {
        hardware_->setText(report.rows->hardware);
        version_->setText(report.rows->version);
        update_->setText(report.rows->update);
    }
}

} // namespace velmora::shell
