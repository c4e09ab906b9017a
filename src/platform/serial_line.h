#pragma once

#include <functional>
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
        OtherFailure, // anything else: no answer can come, so supervision reports it
    };

    virtual ~SerialLine() = default;

    virtual OpenResult open(int portNumber) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writing to a closed line does nothing.
    virtual void write(std::string_view bytes) = 0;
    virtual void discardBuffers() = 0;
    // Called on the user-interface thread with the bytes that arrived, in order.
    virtual void setReceiveHandler(std::function<void(std::string_view bytes)> handler) = 0;
    // Called when an open line fails for good, for example when the device vanishes.
    virtual void setLostHandler(std::function<void()> handler) = 0;
};

} // namespace velmora::platform
