#pragma once

#include "platform/settings_store.h"
#include "settings/settings_schema.h"
#include "station/document.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::link {

// Takes the answers to a read request: the PS and RT entry messages rebuild
// the document's sets, the decoder message writes the decoder settings.
//
// Each set is rebuilt from every entry received in this run, so an entry the
// encoder did not send this time keeps what an earlier message put there.
class ReceivedSettings {
public:
    ReceivedSettings(station::Document& document, platform::SettingsStore& settings);

    // Stores the entry in the table of received entries. Returns false,
    // changing nothing, when the entry number lies outside the set.
    bool storeEntry(station::SetKind kind, std::string_view entryMessage);
    // Stores the entry and replaces the set with the table's entries.
    bool takeEntry(station::SetKind kind, std::string_view entryMessage);

    enum class DecoderOutcome {
        Written,
        // An interval outside 0 to 255: the keys before it are written.
        IntervalOutOfRange,
        // The settings store refused a key; failureReason() tells why.
        NotSaved,
    };
    DecoderOutcome takeDecoder(std::string_view decoderMessage);
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
