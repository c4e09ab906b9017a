#pragma once

#include "platform/settings_store.h"
#include "station/document.h"

#include <QLocale>
#include <QWidget>

namespace velmora::editors {

// frmOverzicht: every PS name, every radiotext and the decoder information on
// one read-only page, filled once when the window is created. It does not
// follow later changes.
class OverviewWindow : public QWidget {
    Q_OBJECT

public:
    // The frequency is written with the locale's decimal separator.
    OverviewWindow(const station::Document& document, const platform::SettingsStore& settings,
                   const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);
};

} // namespace velmora::editors
