#pragma once

#include <QString>

namespace velmora::testing {

// Types the text into the box of the open window, replacing what was there.
void type(const QString& window, const QString& box, const QString& text);
// Clicks the button of the open window; it must be there and enabled.
void click(const QString& window, const QString& button);

} // namespace velmora::testing
