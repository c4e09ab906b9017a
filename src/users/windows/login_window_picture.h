#pragma once

#include <QPixmap>

namespace velmora::users {

// The picture of the login window, pictures/login.png: a padlock in front of
// a broadcast mast. The picture has this size.
inline constexpr QSize kLoginPictureSize{96, 96};
QPixmap loginPicture();

} // namespace velmora::users
