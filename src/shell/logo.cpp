#include "shell/logo.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

const QColor kDeepBlue{0x1d, 0x3f, 0x73};
const QColor kAccent{0xe8, 0x8a, 0x1a};

void paintEmblem(QPainter& painter, const QRectF& square) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDeepBlue);
    painter.drawEllipse(square);
    const qreal inset = square.width() * 0.08;
    paintBroadcastMast(painter, square.adjusted(inset, 0, -inset, -2 * inset), Qt::white);
}

} // namespace

void paintBroadcastMast(QPainter& painter, const QRectF& square, const QColor& colour) {
    painter.save();
    painter.translate(square.topLeft());
    painter.scale(square.width() / 100.0, square.height() / 100.0);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath mast;
    mast.moveTo(50, 38);
    mast.lineTo(38, 92);
    mast.lineTo(43, 92);
    mast.lineTo(50, 58);
    mast.lineTo(57, 92);
    mast.lineTo(62, 92);
    mast.closeSubpath();
    painter.fillPath(mast, colour);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(50, 34), 6, 6);

    QPen wave(colour, 4.5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const qreal radius = 10.0 + 12.0 * ring;
        const QRectF arc(50 - radius, 34 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, -40 * 16, 80 * 16);
        painter.drawArc(arc, 140 * 16, 80 * 16);
    }
    painter.restore();
}

QPixmap velmoraLogo() {
    QPixmap logo(kLogoSize);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, kLogoSize.height());
    sky.setColorAt(0, QColor(0xf4, 0xf8, 0xfd));
    sky.setColorAt(1, QColor(0xdc, 0xe7, 0xf4));
    painter.fillRect(logo.rect(), sky);

    paintEmblem(painter, QRectF(16, 10, 131, 131));

    QFont name(u"DejaVu Sans"_s);
    name.setPixelSize(84);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(kDeepBlue);
    painter.drawText(QRectF(172, 6, 560, 100), Qt::AlignLeft | Qt::AlignVCenter, u"Velmora"_s);

    painter.fillRect(QRectF(176, 106, 540, 4), kAccent);

    QFont subtitle(u"DejaVu Sans"_s);
    subtitle.setPixelSize(22);
    painter.setFont(subtitle);
    painter.setPen(QColor(0x4a, 0x5a, 0x70));
    painter.drawText(QRectF(176, 112, 560, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     u"RDS-instellingen voor uw zender"_s);
    return logo;
}

QIcon velmoraIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paintEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace velmora::shell
