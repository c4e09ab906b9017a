#pragma once

#include <QSize>

class QWidget;

namespace velmora::widgets {

// Window geometry is kept in twips, 1/1440 inch, and turned into pixels at the
// logical resolution of the screen the widget is on.
inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(int twips, const QWidget* widget = nullptr);
QSize twipsToSize(int widthTwips, int heightTwips, const QWidget* widget = nullptr);

} // namespace velmora::widgets
