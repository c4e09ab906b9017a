#pragma once

#include <QIcon>
#include <QPixmap>

class QColor;
class QPainter;
class QRectF;

namespace velmora::shell {

// The product logo of the splash and about windows, 744 x 151 pixels.
inline constexpr QSize kLogoSize{744, 151};
QPixmap velmoraLogo();

// The program's window icon: the round emblem of the logo.
QIcon velmoraIcon();

// A broadcast mast sending waves to both sides, filling the given square.
void paintBroadcastMast(QPainter& painter, const QRectF& square, const QColor& colour);

} // namespace velmora::shell
