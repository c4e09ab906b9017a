#pragma once

#include "link/live_radiotext.h"
#include "platform/file_dialogs.h"
#include "platform/settings_store.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace velmora::editors {

// frmLive: the live settings — the text file that the playout system writes,
// the RT entry that carries its text, a prefix and whether it goes out —
// and below them what went out last, or why nothing does.
class LiveWindow : public QWidget, private link::LiveView {
    Q_OBJECT

public:
    LiveWindow(platform::SettingsStore& settings, platform::FileDialogs& dialogs,
               link::LiveRadiotext& live, QWidget* parent = nullptr);
    ~LiveWindow() override;
    LiveWindow(const LiveWindow&) = delete;
    LiveWindow& operator=(const LiveWindow&) = delete;

    // "&Toepassen": writes the live settings and lets the live text follow them.
    // When the store refuses them, the user is told and this returns false.
    bool apply();

private:
    void browse();
    void showLiveStatus(const link::LiveStatus& status) override;

    platform::SettingsStore& settings_;
    platform::FileDialogs& dialogs_;
    link::LiveRadiotext& live_;
    QLineEdit* file_;
    QComboBox* entry_;
    QLineEdit* prefix_;
    QCheckBox* on_;
    QLabel* state_;
    QLabel* text_;
};

} // namespace velmora::editors
