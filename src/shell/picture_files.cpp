#include "shell/picture_files.h"

#include <QString>

// The resource is compiled into a static library, where nothing would pull
// its object file into a program. Naming it here does: every program that
// loads a shell picture links the pictures with it. Outside any namespace,
// since Q_INIT_RESOURCE declares the resource's function where it stands.
static void registerShellPictures() {
    Q_INIT_RESOURCE(shell_pictures);
}

namespace velmora::shell {

QPixmap shellPicture(QStringView path) {
    [[maybe_unused]] static const bool registered = [] {
        registerShellPictures();
        return true;
    }();
    QString file = QStringLiteral(":/shell/");
    file += path;
    return QPixmap(file);
}

} // namespace velmora::shell
