#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::encodersim {

// The encoder's end of the line the program reaches it over.
class Line {
public:
    // What read() found on the line.
    enum class Event {
        Nothing,  // nothing to act on after all
        Bytes,    // the program sent bytes
        Attached, // a program took the line
        Refused,  // a second program was turned away while one has the line
        Released, // the program let go of the line, or none has it
    };

    Line() = default;
    virtual ~Line() = default;
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    // Where the program finds the line: what the port link points at.
    virtual std::string address() const = 0;
    // The descriptors to wait on; once one is readable, read() has something to do.
    virtual std::vector<int> fds() const = 0;
    // Acts on what is waiting and appends the bytes the program sent.
    virtual Event read(std::string& bytes) = 0;
    // Writes everything; a program that has gone is noticed by the next read().
    virtual void write(std::string_view bytes) = 0;
    virtual void close() = 0;
};

} // namespace velmora::encodersim
