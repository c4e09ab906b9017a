#include "users/windows/login_window_picture.h"

#include <QString>

// The resource is compiled into a static library, where nothing would pull
// its object file into a program. Naming it here does: every program that
// shows the login picture links the picture with it. Outside any namespace,
// since Q_INIT_RESOURCE declares the resource's function where it stands.
static void registerUsersPictures() {
    Q_INIT_RESOURCE(users_pictures);
}

namespace velmora::users {

QPixmap loginPicture() {
    [[maybe_unused]] static const bool registered = [] {
        registerUsersPictures();
        return true;
    }();
    return QPixmap(QStringLiteral(":/users/login.png"));
}

} // namespace velmora::users
