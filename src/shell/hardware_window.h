#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;

namespace velmora::shell {

// What the encoder said about itself. An empty value leaves the row as it is
// ("Onbekend" in a fresh window).
struct HardwareReport {
    QString frameCaption;
    QString hardware;
    QString version;
    QString update;
};

// frmHardware_info: the hardware that announces itself on, or signs off from,
// the serial line. Deleted when closed.
class HardwareWindow : public QDialog {
    Q_OBJECT

public:
    explicit HardwareWindow(QWidget* parent = nullptr);

    // Fills the window that is loaded, or a new one, beeps and shows it
    // modally with no owner. When the window is already showing it is updated
    // in place and this returns at once.
    static void present(const HardwareReport& report);
    // The loaded hardware window; nullptr if none.
    static HardwareWindow* loaded();

    void apply(const HardwareReport& report);

private:
    QGroupBox* frame_;
    QLabel* hardware_;
    QLabel* version_;
    QLabel* update_;
};

} // namespace velmora::shell
