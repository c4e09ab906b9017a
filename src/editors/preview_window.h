#pragma once

#include "platform/settings_store.h"
#include "platform/timer.h"
#include "station/document.h"

#include <QLocale>
#include <QWidget>
#include <chrono>
#include <memory>

class QLabel;

namespace velmora::editors {

class ReceiverDisplay;

// frmVoorbeeld: what a listener's radio shows of the document and the
// decoder information, moving on as the radio does, with notes beside it on
// what a driver would miss. Nothing tells a window that the document or the
// store changed, so the window looks again at every tick of its timer, once
// a second, as it moves on; the timer lives and dies with the window.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    // The frequency is written with the locale's decimal separator.
    PreviewWindow(const station::Document& document, const platform::SettingsStore& settings,
                  std::unique_ptr<platform::Timer> timer, const QLocale& locale = QLocale::system(),
                  QWidget* parent = nullptr);

private:
    void showNow();

    const station::Document& document_;
    const platform::SettingsStore& settings_;
    std::unique_ptr<platform::Timer> timer_;
    QLocale locale_;
    std::chrono::seconds elapsed_{0};
    ReceiverDisplay* display_;
    QLabel* notes_;
};

} // namespace velmora::editors
