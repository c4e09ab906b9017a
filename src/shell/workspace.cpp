#include "shell/workspace.h"

#include "shell/picture_files.h"

#include <QPainter>

namespace velmora::shell {

QPixmap backgroundPicture() {
    return shellPicture(u"background.png");
}

Workspace::Workspace(QWidget* parent) : QMdiArea(parent), picture_(backgroundPicture()) {
    // The overview is wider than the main window at its starting size.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void Workspace::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    const QRect area = viewport()->rect();
    // A workspace smaller than the picture shows all of it, made smaller.
    QSize size = picture_.size();
    if (size.width() > area.width() || size.height() > area.height()) {
        size.scale(area.size(), Qt::KeepAspectRatio);
    }
    if (shown_.size() != size) {
        shown_ = picture_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPainter painter(viewport());
    painter.drawPixmap(area.center().x() - shown_.width() / 2,
                       area.center().y() - shown_.height() / 2, shown_);
}

} // namespace velmora::shell
