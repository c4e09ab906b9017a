#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora::widgets {

// A label under its documented name. In front of a control it is that
// control's buddy, so that its access key and assistive technology lead to
// the control.
QLabel* namedLabel(const QString& objectName, const QString& text, QWidget* buddy = nullptr);

// A push button under its documented name.
QPushButton* namedButton(const QString& objectName, const QString& caption, QWidget* parent);

} // namespace velmora::widgets
