#include "users/windows/login_window_picture.h"

#include "shell/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmora::users {

namespace {

const QColor kDeepBlue{0x1d, 0x3f, 0x73};
const QColor kLightBlue{0x3c, 0x6e, 0xb4};
const QColor kAccent{0xe8, 0x8a, 0x1a};
const QColor kAccentDark{0xb8, 0x64, 0x08};

void paintBackground(QPainter& painter, const QRectF& area) {
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, kLightBlue);
    shade.setColorAt(1, kDeepBlue);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(area, area.width() * 0.16, area.height() * 0.16);
}

// A padlock filling the given rectangle: shackle above, body below.
void paintPadlock(QPainter& painter, const QRectF& area) {
    const qreal bodyTop = area.top() + area.height() * 0.42;
    const QRectF body(area.left(), bodyTop, area.width(), area.bottom() - bodyTop);

    const qreal shackleWidth = area.width() * 0.62;
    const QRectF shackle(area.center().x() - shackleWidth / 2, area.top(), shackleWidth,
                         area.height() * 0.72);
    painter.setPen(QPen(QColor(0xd8, 0xdd, 0xe4), area.width() * 0.13, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath arch;
    arch.moveTo(shackle.left(), bodyTop);
    arch.lineTo(shackle.left(), shackle.top() + shackleWidth / 2);
    arch.arcTo(QRectF(shackle.left(), shackle.top(), shackleWidth, shackleWidth), 180, -180);
    arch.lineTo(shackle.right(), bodyTop);
    painter.drawPath(arch);

    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, kAccent);
    metal.setColorAt(1, kAccentDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawRoundedRect(body, body.width() * 0.12, body.width() * 0.12);

    const QPointF keyhole(body.center().x(), body.top() + body.height() * 0.42);
    const qreal radius = body.width() * 0.09;
    painter.setBrush(kDeepBlue);
    painter.drawEllipse(keyhole, radius, radius);
    painter.drawRect(
        QRectF(keyhole.x() - radius * 0.45, keyhole.y(), radius * 0.9, body.height() * 0.32));
}

} // namespace

QPixmap loginPicture() {
    QPixmap picture(kLoginPictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF area(QPointF(0, 0), QSizeF(kLoginPictureSize));
    paintBackground(painter, area.adjusted(1, 1, -1, -1));
    shell::paintBroadcastMast(painter, QRectF(6, 4, 60, 60), QColor(255, 255, 255, 150));
    paintPadlock(painter, QRectF(46, 36, 40, 50));
    return picture;
}

} // namespace velmora::users
