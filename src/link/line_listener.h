#pragma once

namespace velmora::link {

// Told how the line stands for frames outside the transfers: free while a
// connection stands and no fill runs, busy during a fill, closed otherwise.
class LineListener {
public:
    virtual ~LineListener() = default;
    virtual void lineFree() = 0;
    virtual void lineBusy() = 0;
    virtual void lineClosed() = 0;
};

} // namespace velmora::link
