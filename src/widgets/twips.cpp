#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace velmora::widgets {

namespace {

qreal logicalDpi(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

int twipsToPixels(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * logicalDpi(widget) / kTwipsPerInch));
}

QSize twipsToSize(int widthTwips, int heightTwips, const QWidget* widget) {
    return {twipsToPixels(widthTwips, widget), twipsToPixels(heightTwips, widget)};
}

} // namespace velmora::widgets
