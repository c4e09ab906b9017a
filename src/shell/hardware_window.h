#pragma once

#include <QDialog>
#include <optional>

class QGroupBox;
class QLabel;

namespace velmora::shell {

// The three rows of the window: the hardware name, its software version and
// the date of its last update.
struct HardwareRows {
    QString hardware;
    QString version;
    QString update;
};

// What the window shows of an encoder that announces itself or signs off.
struct HardwareReport {
    QString frameCaption;
    // Replaces all three rows, empty values included. Without it the rows keep
    // what they show ("Onbekend" in a fresh window).
    std::optional<HardwareRows> rows;
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
