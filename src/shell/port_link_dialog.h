#pragma once

#include "platform/qt/serial_devices.h"

#include <QDialog>
#include <QList>
#include <optional>

class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

namespace velmora::shell {

// frmKoppelen: links a port number to a device of this computer or to a
// serial device server on the network, through the port's per-user link. On
// Windows, where port n is COMn, it only shows the serial devices there are.
class PortLinkDialog : public QDialog {
    Q_OBJECT

public:
    // Opens with the port's present destination chosen.
    PortLinkDialog(int port, const QList<platform::SerialDevice>& devices,
                   QWidget* parent = nullptr);

    // Shows the dialog for the port over the devices this computer has;
    // true when the port was linked anew.
    static bool linkModally(int port, QWidget* parent);

private:
    void showPresentDestination();
    void enableChosenInputs();
    // "&Ok": links the port to what is chosen, or says what is missing.
    void linkChoice();
    // The link target for the choice; nothing, after a warning, when the
    // choice is incomplete.
    std::optional<QString> chosenTarget() const;

    int port_;
    QList<platform::SerialDevice> devices_;
    QRadioButton* serialDevice_;
    QTreeWidget* deviceList_;
    QRadioButton* otherDevice_;
    QLineEdit* devicePath_;
    QRadioButton* network_;
    QLineEdit* host_;
    QSpinBox* tcpPort_;
};

} // namespace velmora::shell
