#include "platform/qt/device_access.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

std::optional<std::string> missingAccessRemedy(const QString& device) {
    const QByteArray path = device.toLocal8Bit();
    if (::access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES) {
        return std::nullopt;
    }
    struct stat status = {};
    if (::stat(path.constData(), &status) == 0 && (status.st_mode & S_IRGRP) != 0 &&
        (status.st_mode & S_IWGRP) != 0) {
        if (const struct group* owners = ::getgrgid(status.st_gid)) {
            return "Vraag uw beheerder u toe te voegen aan de groep " +
                   std::string(owners->gr_name) + ".";
        }
    }
    return std::string("Vraag uw beheerder u toegang te geven tot dit apparaat.");
}

} // namespace velmora::platform
