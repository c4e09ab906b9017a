#pragma once

#include "platform/serial_line.h"

#include <string>
#include <vector>

namespace velmora::fakes {

// A serial line that records what is written and lets a test play the
// encoder's side with receive().
class FakeSerialLine : public platform::SerialLine {
public:
    OpenResult open(int portNumber) override;
    AccessFailure accessFailure() const override { return accessFailureOnOpen; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void write(std::string_view bytes) override;
    void discardBuffers() override { ++discardCount_; }
    void setReceiveHandler(std::function<void(std::string_view)> handler) override {
        receiveHandler_ = std::move(handler);
    }
    void setLostHandler(std::function<void()> handler) override {
        lostHandler_ = std::move(handler);
    }

    void setOpenFailedHandler(std::function<void(OpenResult)> handler) override {
        openFailedHandler_ = std::move(handler);
    }

    // The encoder's side.
    void receive(std::string_view bytes);
    void vanish();
    // The open that went ahead fails after all, as for a device server whose
    // host does not exist.
    void failOpen(OpenResult result);

    OpenResult nextOpenResult = OpenResult::Opened;
    // What accessFailure() reports.
    AccessFailure accessFailureOnOpen;
    int lastPortNumber() const { return lastPortNumber_; }
    const std::vector<std::string>& writes() const { return writes_; }
    std::string written() const;
    void clearWrites() { writes_.clear(); }
    int discardCount() const { return discardCount_; }

private:
    std::function<void(std::string_view)> receiveHandler_;
    std::function<void()> lostHandler_;
    std::function<void(OpenResult)> openFailedHandler_;
    std::vector<std::string> writes_;
    int lastPortNumber_ = 0;
    int discardCount_ = 0;
    bool open_ = false;
};

} // namespace velmora::fakes
