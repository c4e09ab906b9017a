#include "widgets/caption.h"

#include <QLabel>

namespace velmora::widgets {

QLabel* caption(const QString& objectName, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    return label;
}

} // namespace velmora::widgets
