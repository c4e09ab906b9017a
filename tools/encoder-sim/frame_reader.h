#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::encodersim {

// One unit of what the program sent.
struct Received {
    enum class Kind {
        Frame,     // a well-formed frame: "^B^", command letter, body, "^E"
        Stray,     // bytes outside any frame
        Malformed, // a start mark followed by something that is no frame
    };
    Kind kind = Kind::Stray;
    char command = 0;    // Frame: the command letter
    std::string body;    // Frame: the bytes between the command letter and the end mark
    std::string raw;     // every byte of the unit, as it arrived
    std::string problem; // Malformed: what is wrong
};

// Cuts the program's byte stream into frames the way the encoder reads them:
// by position. Every command has a fixed length, so bytes inside a body are
// never taken for marks (a PI byte may well be a caret). Only PS and RT frames
// may be shorter than full, when the program's sets are; such a frame ends at
// its first end mark. A frame that could still grow is held back until more
// bytes arrive or the line has been quiet for a moment (settle).
class FrameReader {
public:
    std::vector<Received> feed(std::string_view bytes);
    std::vector<Received> settle();
    bool hasPending() const { return !pending_.empty(); }

private:
    std::vector<Received> take(bool lineIsQuiet);
    // Moves the next unit from pending_ to out; returns false if it is not complete yet.
    bool takeNext(bool lineIsQuiet, std::vector<Received>& out);
    Received cut(Received::Kind kind, std::size_t length);
    std::size_t nextStartFrom(std::size_t position) const;

    std::string pending_;
};

} // namespace velmora::encodersim
