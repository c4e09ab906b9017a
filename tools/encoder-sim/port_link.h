#pragma once

#include <filesystem>
#include <string>

namespace velmora::encodersim {

// The per-user link through which the program finds port n:
// $XDG_CONFIG_HOME/velmora/ports/COMn, or ~/.config/velmora/ports/COMn.
std::filesystem::path portLinkPath(int port);

// Publishes a device as port n for as long as this object lives.
class PortLink {
public:
    PortLink() = default;
    ~PortLink() { remove(); }
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    // A link that points nowhere is replaced; one that points at an existing
    // device only when replaceLive is set. Either is put back by remove(), so
    // a link to an unplugged adapter survives a session with the simulator.
    // Returns an error text, empty on success.
    std::string publish(int port, const std::filesystem::path& device, bool replaceLive);
    // Removes the link, unless someone else has pointed it elsewhere meanwhile.
    void remove();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path device_;
    std::filesystem::path replaced_; // the earlier link's target, to put back
};

} // namespace velmora::encodersim
