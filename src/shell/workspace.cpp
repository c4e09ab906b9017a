#include "shell/workspace.h"

#include "shell/logo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::StringLiterals;

namespace velmora::shell {

QPixmap backgroundPicture() {
    QPixmap picture(kBackgroundSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Everything fades out inside the picture, so it shows no edges.
    const QPointF centre(kBackgroundSize.width() / 2.0, kBackgroundSize.height() / 2.0);
    const qreal reach = kBackgroundSize.height() / 2.0;
    QRadialGradient glow(centre, reach);
    glow.setColorAt(0, QColor(255, 255, 255, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(picture.rect(), glow);

    constexpr int kRings = 5;
    for (int ring = 1; ring <= kRings; ++ring) {
        const qreal radius = reach * ring / (kRings + 0.5);
        painter.setPen(QPen(QColor(255, 255, 255, 55 - 9 * ring), 6));
        painter.drawEllipse(centre, radius, radius);
    }

    const qreal mastSize = 300;
    paintBroadcastMast(
        painter,
        QRectF(centre.x() - mastSize / 2, centre.y() - mastSize / 2 - 40, mastSize, mastSize),
        QColor(255, 255, 255, 90));

    QFont name(u"DejaVu Sans"_s);
    name.setPixelSize(72);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(255, 255, 255, 110));
    painter.drawText(QRectF(0, centre.y() + 130, kBackgroundSize.width(), 90), Qt::AlignCenter,
                     u"Velmora"_s);
    return picture;
}

Workspace::Workspace(QWidget* parent) : QMdiArea(parent), picture_(backgroundPicture()) {
    // The overview is wider than the main window at its starting size.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void Workspace::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    const QRect area = viewport()->rect();
    // A workspace smaller than the picture shows all of it, made smaller.
    QSize size = picture_.size();
    if (size.width() > area.width() || size.height() > area.height()) {
        size.scale(area.size(), Qt::KeepAspectRatio);
    }
    if (shown_.size() != size) {
        shown_ = picture_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPainter painter(viewport());
    painter.drawPixmap(area.center().x() - shown_.width() / 2,
                       area.center().y() - shown_.height() / 2, shown_);
}

} // namespace velmora::shell
