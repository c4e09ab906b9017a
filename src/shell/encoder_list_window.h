#pragma once

#include "platform/settings_store.h"
#include "settings/encoder_list.h"

#include <QWidget>

class QTableWidget;

namespace velmora::shell {

// frmZenders, "Zenders": the administrator's list of the encoders that one
// action fills together, each with a name, a port number (linked through
// "&Koppelen..." as in the COM port window), where that number leads, and
// whether it takes part. It only writes the store and the ports' links.
class EncoderListWindow : public QWidget {
    Q_OBJECT

public:
    explicit EncoderListWindow(platform::SettingsStore& store, QWidget* parent = nullptr);

    // "&Toepassen"; false, after telling the user, when the store refuses.
    bool apply();

private:
    void addRow(const settings::EncoderEntry& encoder);
    settings::EncoderEntry encoderOfRow(int row) const;
    int portOfRow(int row) const;
    void showDestination(int row);
    void linkSelectedPort();

    platform::SettingsStore& store_;
    QTableWidget* encoders_;
};

} // namespace velmora::shell
