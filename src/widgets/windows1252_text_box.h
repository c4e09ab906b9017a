#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace velmora::widgets {

// A one-line text box that takes only characters the Windows-1252 code page
// holds, so nothing typed turns into "?" on its way into the settings store.
// Each such character is one QChar, so a length limit counts the 8-bit
// characters that are stored. A maxLength of 0 sets no limit.
QLineEdit* windows1252TextBox(const QString& objectName, int maxLength, QWidget* parent);

// Shows every character of the box as "*".
void showAsPassword(QLineEdit& box);

} // namespace velmora::widgets
