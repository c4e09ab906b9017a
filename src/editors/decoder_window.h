#pragma once

#include "platform/settings_store.h"

#include <QLocale>
#include <QWidget>

class QComboBox;

namespace velmora::editors {

// frmDecoder_informatie: the programme type, the alternative frequency and the
// two intervals, read from and written to the decoder settings. The document
// is not involved.
class DecoderWindow : public QWidget {
    Q_OBJECT

public:
    // The frequencies are written with the locale's decimal separator.
    explicit DecoderWindow(platform::SettingsStore& settings,
                           const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    // "&Toepassen": writes the decoder settings. When the store refuses
    // them, the user is told, nothing is written and this returns false.
    bool apply();

private:
    platform::SettingsStore& settings_;
    QComboBox* programmeType_;
    QComboBox* frequency_;
    QComboBox* psInterval_;
    QComboBox* rtInterval_;
};

} // namespace velmora::editors
