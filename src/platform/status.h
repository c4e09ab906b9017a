#pragma once

#include <optional>
#include <string>
#include <utility>

namespace velmora::platform {

// The outcome of an operation on the outside world: success, or failure with
// the system's own reason text, ready to be shown to the user.
class [[nodiscard]] Status {
public:
    static Status success() { return Status{}; }
    static Status failure(std::string reason) { return Status{std::move(reason)}; }

    bool ok() const { return !reason_.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& reason() const {
        static const std::string none;
        return reason_ ? *reason_ : none;
    }

private:
    Status() = default;
    explicit Status(std::string reason) : reason_(std::move(reason)) {}

    std::optional<std::string> reason_;
};

} // namespace velmora::platform
