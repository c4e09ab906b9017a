#include "port_link.h"

#include <cstdlib>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace velmora::encodersim {

namespace fs = std::filesystem;

namespace {

fs::path configHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && fs::path(xdg).is_absolute()) {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "") / ".config";
}

std::string failure(std::string_view what, const fs::path& path, const std::error_code& error) {
    return std::string(what) + " " + path.string() + ": " + error.message();
}

// Links beside the final name, then renames over it, so that the program
// never sees the port missing or half-made.
std::error_code pointLink(const fs::path& link, const fs::path& target) {
    const fs::path fresh = link.string() + ".new" + std::to_string(::getpid());
    std::error_code error;
    fs::remove(fresh, error);
    fs::create_symlink(target, fresh, error);
    if (!error) {
        fs::rename(fresh, link, error);
    }
    if (error) {
        std::error_code ignored;
        fs::remove(fresh, ignored);
    }
    return error;
}

} // namespace

fs::path portLinkPath(int port) {
    return configHome() / "velmora" / "ports" / ("COM" + std::to_string(port));
}

std::string PortLink::publish(int port, const fs::path& device, bool replaceLive) {
    const fs::path path = portLinkPath(port);
    std::error_code error;
    const fs::file_status existing = fs::symlink_status(path, error);
    fs::path previousTarget;
    if (fs::exists(existing)) {
        if (!fs::is_symlink(existing)) {
            return path.string() + " exists and is not a link; remove it first";
        }
        previousTarget = fs::read_symlink(path, error);
        if (fs::exists(path, error) && !replaceLive) {
            return path.string() + " already points at " + previousTarget.string() +
                   "; choose another --port or pass --replace";
        }
    }
    fs::create_directories(path.parent_path(), error);
    if (error) {
        return failure("cannot create", path.parent_path(), error);
    }
    if (const std::error_code linkError = pointLink(path, device)) {
        return failure("cannot publish", path, linkError);
    }
    path_ = path;
    device_ = device;
    replaced_ = previousTarget;
    return {};
}

void PortLink::remove() {
    if (path_.empty()) {
        return;
    }
    std::error_code error;
    if (fs::read_symlink(path_, error) == device_) {
        if (replaced_.empty()) {
            fs::remove(path_, error);
        } else {
            pointLink(path_, replaced_);
        }
    }
    path_.clear();
}

} // namespace velmora::encodersim
