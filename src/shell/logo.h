#pragma once

#include <QIcon>
#include <QPixmap>

namespace velmora::shell {

// The product logo of the splash and about windows, pictures/logo.png. The
// windows lay out by this size, and the picture has it.
inline constexpr QSize kLogoSize{744, 151};
QPixmap velmoraLogo();

// The program's window icon, the round emblem of the logo:
// pictures/window-icon, 16 x 16 up to 64 x 64.
QIcon velmoraIcon();

} // namespace velmora::shell
