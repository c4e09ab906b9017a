#pragma once

#include "platform/settings_store.h"

#include <optional>

namespace velmora::settings {

// The port a connect opens: 1 when the stored number is empty, its rounded
// leading number when it starts with a digit from 1 to 9, otherwise the
// number in force.
int portNumberToOpen(const platform::SettingsStore& store, int numberInForce);

// The port the port window selects in its list: the stored text only when it
// is exactly one of the numbers listed.
std::optional<int> listedPortNumber(const platform::SettingsStore& store);

platform::Status writePortNumber(platform::SettingsStore& store, int port);

// Whether a lost connection is made again by itself: on unless switched off.
bool reconnectsAfterLoss(const platform::SettingsStore& store);
// The port window's choice: the port and the reconnection, both or neither.
platform::Status writePortChoice(platform::SettingsStore& store, int port, bool reconnect);

} // namespace velmora::settings
