#pragma once

#include "platform/file_dialogs.h"

#include <QString>
#include <optional>

namespace velmora::widgets {

// Asks for a file to open whose path the settings store keeps: a path with a
// character beyond Windows-1252 would come back with "?" and never be found
// again, so it is refused with a message that says what could not be done
// with it ("gekoppeld", "gepland"). Nothing when the user cancels or is
// refused.
std::optional<QString> askStorableFile(platform::FileDialogs& dialogs,
                                       const platform::FileDialogRequest& request,
                                       const QString& refusedVerb);

} // namespace velmora::widgets
