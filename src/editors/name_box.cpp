#include "editors/name_box.h"

#include "editors/fixed_pitch_font.h"
#include "widgets/windows1252_validator.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace velmora::editors {

namespace {

// QLineEdit keeps two pixels free on each side of the text; the cursor after
// a full name needs a little more, or the last letter touches the border.
constexpr int kTextSideRoom = 2 * 2 + 4;

} // namespace

NameBox::NameBox(int nameWidth, QWidget* parent) : QLineEdit(parent), nameWidth_(nameWidth) {
    setMaxLength(nameWidth);
    setValidator(new widgets::Windows1252Validator(this));
    setFont(fixedPitchFont());

    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(QString(nameWidth, u'W')) + kTextSideRoom,
                     metrics.height());
    QStyleOptionFrame option;
    initStyleOption(&option);
    setFixedWidth(style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this).width());
}

void NameBox::focusInEvent(QFocusEvent* event) {
    if (text() == QString(nameWidth_, u' ')) {
        clear();
    }
    QLineEdit::focusInEvent(event);
}

} // namespace velmora::editors
