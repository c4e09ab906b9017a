#pragma once

#include <QPixmap>
#include <QStringView>

namespace velmora::shell {

// The picture at this path in src/shell/pictures, e.g. u"logo.png", from the
// resource shell_pictures.qrc compiled into the program. Null if the resource
// holds no such picture.
QPixmap shellPicture(QStringView path);

} // namespace velmora::shell
