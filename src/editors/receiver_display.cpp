#include "editors/receiver_display.h"

#include "editors/fixed_pitch_font.h"
#include "station/station_settings.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QtMath>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

constexpr qreal kNameScale = 3.0;
// Wide enough for "Current affairs" and "AF 107,9 MHz".
constexpr int kSideCharacters = 16;
const QColor kGlass{0x14, 0x18, 0x1c};
const QColor kCell{0x26, 0x2b, 0x30};
const QColor kLit{0xff, 0xb3, 0x2e};

const int kNameCells = station::kProgrammeServiceLayout.nameWidth;
const int kTextCells = station::kRadiotextLayout.nameWidth;

QFont nameFontOf(QFont font) {
    font.setPointSizeF(font.pointSizeF() * kNameScale);
    font.setBold(true);
    return font;
}

} // namespace

ReceiverDisplay::ReceiverDisplay(QWidget* parent)
    : QWidget(parent), nameFont_(nameFontOf(fixedPitchFont())), textFont_(fixedPitchFont()) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ReceiverDisplay::setTexts(const ReceiverTexts& texts) {
    if (texts == texts_) {
        return;
    }
    texts_ = texts;
    setAccessibleName(texts.name.trimmed());
    QStringList rest{texts.text, texts.programmeType, texts.frequency};
    rest.removeAll(QString());
    setAccessibleDescription(rest.join(u". "_s));
    update();
}

int ReceiverDisplay::margin() const {
    return qRound(QFontMetricsF(textFont_).height());
}

QSizeF ReceiverDisplay::nameCell() const {
    const QFontMetricsF metrics(nameFont_);
    return {metrics.horizontalAdvance(u'W') * 1.2, metrics.height() * 1.25};
}

int ReceiverDisplay::sideWidth() const {
    return qCeil(QFontMetricsF(textFont_).horizontalAdvance(u'W') * kSideCharacters);
}

QSize ReceiverDisplay::sizeHint() const {
    const QFontMetricsF text(textFont_);
    const qreal nameRow = nameCell().width() * kNameCells + margin() + sideWidth();
    const qreal textRow = text.horizontalAdvance(u'W') * kTextCells;
    return {qCeil(std::max(nameRow, textRow)) + 2 * margin(),
            qCeil(nameCell().height() + text.height()) + 3 * margin()};
}

void ReceiverDisplay::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlass);
    painter.drawRoundedRect(rect(), margin() / 2.0, margin() / 2.0);

    const QSizeF cell = nameCell();
    const QPointF origin(margin(), margin());
    painter.setFont(nameFont_);
    for (int k = 0; k < kNameCells; ++k) {
        const QRectF place(origin + QPointF(cell.width() * k, 0), cell);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCell);
        painter.drawRect(place.adjusted(1, 1, -1, -1));
        if (k < texts_.name.size()) {
            painter.setPen(kLit);
            painter.drawText(place, Qt::AlignCenter, texts_.name.at(k));
        }
    }

    painter.setFont(textFont_);
    painter.setPen(kLit);
    const QFontMetricsF metrics(textFont_);
    const QRectF side(width() - margin() - sideWidth(), origin.y(), sideWidth(), cell.height());
    painter.drawText(side, Qt::AlignRight | Qt::AlignTop, texts_.programmeType);
    painter.drawText(side, Qt::AlignRight | Qt::AlignBottom, texts_.frequency);
    const QRectF textRow(origin.x(), origin.y() + cell.height() + margin(), width() - 2 * margin(),
                         metrics.height());
    painter.drawText(textRow, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(texts_.text, Qt::ElideRight, textRow.width()));
}

} // namespace velmora::editors
