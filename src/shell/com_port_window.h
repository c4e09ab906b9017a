#pragma once

#include "platform/settings_store.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;

namespace velmora::shell {

// frmCompoort: a child window in which the administrator picks the serial
// port, 1 to 9, for the next connect, sees where the chosen number leads, and
// may link it to another device, and switches automatic reconnection after a
// lost connection on or off. It only writes the store and the port's link;
// an open connection is left alone.
class ComPortWindow : public QWidget {
    Q_OBJECT

public:
    // The list shows the stored port, or "1" when none is stored or the
    // stored value is none of the nine entries.
    explicit ComPortWindow(platform::SettingsStore& store, QWidget* parent = nullptr);

private:
    // "&Ok" and "&Toepassen"; false when the store could not be written.
    bool storeChoice();
    int selectedPort() const;
    void showDestination();

    platform::SettingsStore& store_;
    QComboBox* ports_;
    QLabel* destination_;
    QCheckBox* reconnect_;
};

} // namespace velmora::shell
