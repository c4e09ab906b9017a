#pragma once

#include <QIcon>
#include <QStringView>

namespace velmora::shell {

// The icon of the toolbar entry with this key: the desktop theme's icon where
// it has one, otherwise a simple 16 x 16 picture of our own. Null for a key
// without an icon.
QIcon toolbarIcon(QStringView key);

} // namespace velmora::shell
