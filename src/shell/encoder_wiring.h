#pragma once

#include "link/encoder_link.h"
#include "link/link_view.h"
#include "platform/qt/qt_serial_line.h"
#include "platform/qt/qt_timer.h"
#include "shell/transfer_progress.h"

#include <QObject>

namespace velmora::shell {

class MainWindow;

// The encoder link inside the main window: it owns the serial port mscBasis,
// the supervision timer tmrBasis and the pacing timer tmrBasis_Delay, runs the
// link on them and shows what the link reports in the main window, the
// message, hardware and progress windows.
class EncoderWiring : public QObject, public link::LinkView {
    Q_OBJECT

public:
    explicit EncoderWiring(MainWindow& window);
    ~EncoderWiring() override;

    link::EncoderLink& encoderLink() { return link_; }

    void showConnectionState(link::ConnectionState state) override;
    void showWarning(std::string_view text) override;
    void showHardware(std::string_view caption,
                      const std::optional<link::HardwareIdentity>& identity) override;
    void showProgress(int value) override;
    void setProgress(int value) override;
    void closeProgress() override;
    void setBusyCursor(bool busy) override;
    void beep() override;

private:
    MainWindow& window_;
    platform::QtSerialLine mscBasis_;
    platform::QtTimer tmrBasis_;
    platform::QtTimer tmrBasis_Delay_;
    TransferProgress progress_;
    bool busy_ = false;
    link::EncoderLink link_;
};

} // namespace velmora::shell
