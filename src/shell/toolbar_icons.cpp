#include "shell/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <array>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

const QColor kOutline{0x50, 0x5a, 0x66};
const QColor kPaper{0xff, 0xff, 0xff};
const QColor kFolder{0xf3, 0xd0, 0x6b};
const QColor kBlue{0x4a, 0x80, 0xc8};
const QColor kGreen{0x4c, 0xa0, 0x5a};
const QColor kDisplay{0x2a, 0x4a, 0x7a};

using IconPainter = void (*)(QPainter&);

void paintPage(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}));
    p.drawPolyline(QPolygonF({{10, 1}, {10, 4}, {13, 4}}));
}

void paintNew(QPainter& p) {
    paintPage(p);
    p.setPen(QPen(kFolder.darker(130), 1.5));
    p.drawLine(QPointF(6, 8), QPointF(10, 8));
    p.drawLine(QPointF(8, 6), QPointF(8, 10));
}

void paintOpen(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(kFolder.darker(110));
    p.drawPolygon(QPolygonF({{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{1, 13}, {3.5, 7}, {15.5, 7}, {14, 13}}));
}

void paintSave(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(kBlue);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0xd8, 0xdc, 0xe2));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void paintPrintPreview(QPainter& p) {
    paintPage(p);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(0xdd, 0xea, 0xf8));
    p.drawEllipse(QPointF(7.5, 8), 3, 3);
    p.drawLine(QPointF(9.7, 10.2), QPointF(13, 13.5));
}

void paintPrint(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0xc8, 0xcc, 0xd2));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(kGreen);
    p.drawPoint(QPointF(12.5, 8.5));
}

void paintOptions(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    for (int row = 0; row < 3; ++row) {
        const qreal y = 3.5 + 4.5 * row;
        p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    }
    p.setBrush(kBlue);
    const std::array<qreal, 3> knobs{10, 4, 8};
    for (int row = 0; row < 3; ++row) {
        p.drawRect(QRectF(knobs[static_cast<std::size_t>(row)] - 1.5, 1.5 + 4.5 * row, 3, 4));
    }
}

void paintOverview(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    for (int row = 0; row < 4; ++row) {
        const qreal y = 4.5 + 2.5 * row;
        p.setPen(kBlue);
        p.drawPoint(QPointF(4, y));
        p.setPen(kOutline);
        p.drawLine(QPointF(6, y), QPointF(12.5, y));
    }
}

void paintDisplay(QPainter& p, const QString& letters) {
    p.setPen(kOutline);
    p.setBrush(kDisplay);
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 2, 2);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xb8, 0xf0, 0xa8));
    p.drawText(QRectF(0.5, 3.5, 15, 9), Qt::AlignCenter, letters);
}

void paintProgrammeService(QPainter& p) {
    paintDisplay(p, u"PS"_s);
}
void paintRadiotext(QPainter& p) {
    paintDisplay(p, u"RT"_s);
}

void paintConnection(QPainter& p) {
    p.setPen(kOutline);
    p.setBrush(QColor(0xc8, 0xcc, 0xd2));
    p.drawPolygon(QPolygonF({{0.5, 4.5}, {15.5, 4.5}, {13, 11.5}, {3, 11.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int pin = 0; pin < 5; ++pin) {
        p.drawEllipse(QPointF(3.5 + 2.25 * pin, 6.8), 0.8, 0.8);
    }
    for (int pin = 0; pin < 4; ++pin) {
        p.drawEllipse(QPointF(4.6 + 2.25 * pin, 9.3), 0.8, 0.8);
    }
}

void paintArrowAndTray(QPainter& p, const QColor& colour, bool up) {
    p.setPen(QPen(kOutline, 1.5));
    p.drawPolyline(QPolygonF({{1.5, 10}, {1.5, 14.5}, {14.5, 14.5}, {14.5, 10}}));
    const qreal tip = up ? 1.5 : 11.5;
    const qreal wing = 6.5;
    const qreal tail = up ? 11.5 : 1.5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(
        {{8, tip}, {3, wing}, {6.5, wing}, {6.5, tail}, {9.5, tail}, {9.5, wing}, {13, wing}}));
}

void paintReadOut(QPainter& p) {
    paintArrowAndTray(p, kBlue, false);
}
void paintFill(QPainter& p) {
    paintArrowAndTray(p, kGreen, true);
}

struct IconSource {
    QStringView key;
    QStringView themeName;
    IconPainter paint;
};

constexpr std::array kIconSources{
    IconSource{u"Nieuw", u"document-new", paintNew},
    IconSource{u"Open", u"document-open", paintOpen},
    IconSource{u"Opslaan", u"document-save", paintSave},
    IconSource{u"Afdrukvoorbeeld", u"document-print-preview", paintPrintPreview},
    IconSource{u"Afdrukken", u"document-print", paintPrint},
    IconSource{u"Opties", u"preferences-system", paintOptions},
    IconSource{u"Overzicht", u"view-list-details", paintOverview},
    IconSource{u"Programmaservice", u"", paintProgrammeService},
    IconSource{u"Radiotekst", u"", paintRadiotext},
    IconSource{u"Verbinding", u"network-wired", paintConnection},
    IconSource{u"Inladen", u"go-down", paintReadOut},
    IconSource{u"Versturen", u"go-up", paintFill},
};

QIcon paintedIcon(IconPainter paint) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon toolbarIcon(QStringView key) {
    for (const IconSource& source : kIconSources) {
        if (source.key == key) {
            const QIcon painted = paintedIcon(source.paint);
            return source.themeName.isEmpty()
                       ? painted
                       : QIcon::fromTheme(source.themeName.toString(), painted);
        }
    }
    return {};
}

} // namespace velmora::shell
