#pragma once

#include "link/verification.h"
#include "platform/settings_store.h"

#include <QWidget>
#include <string_view>

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace velmora::editors {

// frmControle, "Controle": the result of a verification of the encoder, item
// by item, what the document would fill beside what the encoder holds, with a
// difference marked in words; and "Na elk vullen controleren", stored as
// settings::kVerifyAfterFill as soon as it is ticked or cleared.
class VerificationWindow : public QWidget {
    Q_OBJECT

public:
    explicit VerificationWindow(platform::SettingsStore& settings, QWidget* parent = nullptr);

    void showResult(const link::Verification& result);
    // The verification gave way: the message replaces the last result.
    void showCancelled(std::string_view message);

private:
    void storeAfterFill(bool checked);

    platform::SettingsStore& settings_;
    QLabel* summary_;
    QLabel* missing_;
    QTreeWidget* items_;
    QCheckBox* afterFill_;
};

} // namespace velmora::editors
