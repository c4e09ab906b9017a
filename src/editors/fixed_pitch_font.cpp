#include "editors/fixed_pitch_font.h"

#include <QFontDatabase>
#include <QFontMetricsF>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

constexpr qreal kPointSize = 9.75;

// Measured rather than asked of QFontInfo: fontconfig reports some fonts
// whose characters all have one width as proportional.
bool hasFixedPitch(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'W') &&
           metrics.horizontalAdvance(u' ') == metrics.horizontalAdvance(u'W');
}

} // namespace

QFont fixedPitchFont() {
    QFont font(u"Courier New"_s);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(kPointSize);
    if (!hasFixedPitch(font)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSizeF(kPointSize);
    }
    return font;
}

} // namespace velmora::editors
