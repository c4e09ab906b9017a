#pragma once

#include "support/modal_reaction.h"

#include <QString>
#include <functional>

class QWidget;

namespace velmora::testing {

// The user in front of the "Koppelen..." dialog: the first time it makes the
// choice and presses "&Ok"; a message is acknowledged, and a dialog that is
// still open after that is cancelled.
Reaction chooseInLinkDialog(std::function<void(QWidget& dialog)> choose);

// The choices of the dialog, made in the dialog given.
void chooseOtherDevice(QWidget& dialog, const QString& path);
void chooseNetwork(QWidget& dialog, const QString& host, int port);

} // namespace velmora::testing
