#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace velmora::widgets {

// The label in front of a control, its buddy, so that its access key and
// assistive technology lead to the control.
QLabel* caption(const QString& objectName, const QString& text, QWidget* buddy);

} // namespace velmora::widgets
