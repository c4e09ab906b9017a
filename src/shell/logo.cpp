#include "shell/logo.h"

#include "shell/picture_files.h"

#include <QString>

namespace velmora::shell {

QPixmap velmoraLogo() {
    return shellPicture(u"logo.png");
}

QIcon velmoraIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(shellPicture(QStringLiteral("window-icon/%1x%1.png").arg(size)));
    }
    return icon;
}

} // namespace velmora::shell
