#pragma once

#include "platform/settings_store.h"

#include <QLocale>
#include <QWidget>

class QComboBox;

namespace velmora::editors {

// frmDecoder_informatie: the programme type, the alternative frequency and the
// two intervals, read from and written to the "Decoder" keys of the settings
// store. The document is not involved.
class DecoderWindow : public QWidget {
    Q_OBJECT

public:
    // The frequencies are written with the locale's decimal separator.
    explicit DecoderWindow(platform::SettingsStore& settings,
                           const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    // "&Toepassen": writes all six keys. When the store refuses one, the user
    // is told, the rest is not written and this returns false.
    bool apply();

private:
    void selectStored(QComboBox& list, std::string_view key);

    platform::SettingsStore& settings_;
    QComboBox* programmeType_;
    QComboBox* frequency_;
    QComboBox* psInterval_;
    QComboBox* rtInterval_;
};

} // namespace velmora::editors
