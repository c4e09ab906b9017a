#include "widgets/windows1252_text_box.h"

#include "widgets/windows1252_validator.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace velmora::widgets {

QLineEdit* windows1252TextBox(const QString& objectName, int maxLength, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setValidator(new Windows1252Validator(box));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    return box;
}

void showAsPassword(QLineEdit& box) {
    box.setEchoMode(QLineEdit::Password);
    // The style decides the masking character; 42 is "*".
    box.setStyleSheet(u"QLineEdit { lineedit-password-character: 42; }"_s);
}

} // namespace velmora::widgets
