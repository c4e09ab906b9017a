#pragma once

#include "app/adapters.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_file_store.h"
#include "platform/qt/qt_log_file.h"
#include "platform/qt/qt_port_line.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/qt_watched_file.h"
#include "platform/sodium/sodium_password_hashing.h"

namespace velmora::app {

// The platform on Qt.
class QtAdapters {
public:
    // The settings in the user's settings file.
    QtAdapters() = default;
    // The settings in this INI file.
    explicit QtAdapters(const QString& settingsFile) : settings_(settingsFile) {}

    Adapters adapters();

private:
    platform::QtSettingsStore settings_;
    platform::QtPortLine serialLine_;
    platform::QtTimer supervisionTimer_;
    platform::QtTimer pacingTimer_;
    platform::QtFileDialogs fileDialogs_;
    platform::QtFileStore fileStore_;
    platform::SodiumPasswordHashing passwords_;
    platform::QtWatchedFile liveFile_;
    platform::QtClock clock_;
    platform::QtLogFile logFile_;
};

} // namespace velmora::app
