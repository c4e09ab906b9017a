#pragma once

#include <QIcon>
#include <QStringView>

namespace velmora::shell {

// The icon of the toolbar entry with this key: the desktop theme's icon where
// it has one, otherwise our own picture from pictures/toolbar, 16 x 16 and
// 32 x 32. Null for a key without an icon.
QIcon toolbarIcon(QStringView key);

} // namespace velmora::shell
