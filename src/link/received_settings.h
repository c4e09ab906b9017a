#pragma once

#include "link/wire_protocol.h"
#include "platform/settings_store.h"
#include "settings/settings_schema.h"
#include "station/document.h"

#include <string>
#include <vector>

namespace velmora::link {

// Takes the answers to a read request: the PS and RT entries rebuild the
// document's sets, the decoder information writes the decoder settings.
//
// Each set is rebuilt from every entry received in this run, so an entry the
// encoder did not send this time keeps what an earlier message put there.
class ReceivedSettings {
public:
    ReceivedSettings(station::Document& document, platform::SettingsStore& settings);

    // Stores the entry in the table of received entries. Returns false,
    // changing nothing, when the entry number lies outside the set.
    bool storeEntry(const EntryAnswer& entry);
    // Stores the entry and replaces the set with the table's entries.
    bool takeEntry(const EntryAnswer& entry);

    enum class DecoderOutcome {
        Written,
        // An interval outside 0 to 255: the keys before it are written.
        IntervalOutOfRange,
        // The settings store refused a key; failureReason() tells why.
        NotSaved,
    };
    DecoderOutcome takeDecoder(const DecoderAnswer& decoder);
    const std::string& failureReason() const { return failureReason_; }

private:
    std::vector<std::string>& tableOf(station::SetKind kind);
    bool save(const settings::Key& key, std::int64_t value);

    station::Document& document_;
    platform::SettingsStore& settings_;
    std::vector<std::string> psTable_;
    std::vector<std::string> rtTable_;
    std::string failureReason_;
};

} // namespace velmora::link
