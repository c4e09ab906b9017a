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
    // The document's PS and RT sets and the decoder values as read from the
    // settings store: what a fill would send now.
    Verification(std::string_view psSet, std::string_view rtSet, const DecoderValues& decoder);

    // A message from the encoder, carets left out. PS and RT entry messages
    // whose entry digit lies within their set, and the decoder message, are
    // collected; a later message for the same item replaces an earlier one.
    // Anything else is ignored.
    void take(std::string_view message);

    // The decoder message, the last answer to a read request, has come.
    bool decoderReceived() const;
    // Always sixteen: PS 1 to 10, RT 1 to 5, Decoder.
    const std::vector<VerifiedItem>& items() const { return items_; }
    int differences() const;
    std::string summary() const;
    // The labels of the items the encoder has not sent.
    std::vector<std::string> missing() const;

private:
    void takeEntry(std::string_view message, const station::SetLayout& layout,
                   std::size_t firstItem);

    std::vector<VerifiedItem> items_;
};

} // namespace velmora::link
