#pragma once

#include <QPixmap>

namespace velmora::users {

// The picture of the login window: a padlock in front of a broadcast mast.
inline constexpr QSize kLoginPictureSize{96, 96};
QPixmap loginPicture();

} // namespace velmora::users
