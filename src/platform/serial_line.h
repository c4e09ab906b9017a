#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora::platform {

// The RS-232 line to the encoder: 9600 baud, 8 data bits, no parity, one stop
// bit, no flow control. Text goes out and comes in as 8-bit bytes.
class SerialLine {
public:
    enum class OpenResult {
        Opened,
        NoSuchPort,   // the number names no serial port of this computer
        PortInUse,    // already open, here or in another program
        NoAccess,     // this user may not open the device
        OtherFailure, // anything else: no answer can come, so supervision reports it
    };

    // For an open() that gave NoAccess: the device the number leads to, and
    // what the user can do about it, in the program's Dutch or as the
    // system words its reason.
    struct AccessFailure {
        std::string device;
        std::string remedy;
    };

    virtual ~SerialLine() = default;

    virtual OpenResult open(int portNumber) = 0;
    // Why the last open() gave NoAccess; empty when it did not.
    virtual AccessFailure accessFailure() const { return {}; }
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writing to a closed line does nothing.
    virtual void write(std::string_view bytes) = 0;
    virtual void discardBuffers() = 0;
    // Called on the user-interface thread with the bytes that arrived, in order.
    virtual void setReceiveHandler(std::function<void(std::string_view bytes)> handler) = 0;
    // Called when an open line fails for good, for example when the device vanishes.
    virtual void setLostHandler(std::function<void()> handler) = 0;
    // Called when an open() that gave Opened fails after all, with what it
    // would have given had it known at once. A serial device server's port is
    // reached without blocking the user interface, so that it is known later
    // whether its host exists; a serial device is known at once, and its line
    // never calls this.
    virtual void setOpenFailedHandler(std::function<void(OpenResult)> /*handler*/) {}
};

} // namespace velmora::platform
