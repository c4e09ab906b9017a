#include "widgets/named_controls.h"

#include <QLabel>
#include <QPushButton>

namespace velmora::widgets {

QLabel* namedLabel(const QString& objectName, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    return label;
}

QPushButton* namedButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace velmora::widgets
