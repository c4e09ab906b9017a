#pragma once

#include "link/wire_protocol.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::link {

// One of the sixteen things a fill puts in the encoder.
struct VerifiedItem {
    std::string label;                   // "PS 1" .. "PS 10", "RT 1" .. "RT 5", "Decoder"
    std::string expected;                // the payload a fill would send now
    std::optional<std::string> received; // nothing while the encoder has not sent it

    bool differs() const { return received != expected; }
};

// Compares what the encoder answers to a read request with what a fill of the
// document would send, without touching the document or the settings store.
class Verification {
public:
    // What a fill sends: the sets and the "Decoder" values.
    Verification(std::string_view psSet, std::string_view rtSet, const DecoderValues& decoder);

    // An entry whose digit lies within its set is collected; a later answer
    // for the same item replaces an earlier one. Unlike a read-out, which
    // takes a non-digit as entry 0, a verification does not let a damaged
    // digit stand for an entry the encoder may not hold.
    void take(const EntryAnswer& entry);
    void take(const DecoderAnswer& decoder);

    // The decoder message, the last answer to a read request, has come.
    bool decoderReceived() const;
    // Always sixteen: PS 1 to 10, RT 1 to 5, Decoder.
    const std::vector<VerifiedItem>& items() const { return items_; }
    int differences() const;
    std::string summary() const;
    // The labels of the items the encoder has not sent.
    std::vector<std::string> missing() const;

private:
    std::vector<VerifiedItem> items_;
};

} // namespace velmora::link
