#include "link/received_settings.h"

#include "settings/number_in_text.h"
#include "settings/settings_schema.h"

namespace velmora::link {
namespace {

// The range an interval in seconds must lie in before its keys are written.
constexpr std::int64_t kLongestReceivedInterval = 255;

bool isReceivableInterval(std::int64_t seconds) {
    return seconds >= 0 && seconds <= kLongestReceivedInterval;
}

} // namespace

ReceivedSettings::ReceivedSettings(station::Document& document, platform::SettingsStore& settings)
    : document_(document), settings_(settings),
      psTable_(static_cast<std::size_t>(station::kProgrammeServiceLayout.entryCount)),
      rtTable_(static_cast<std::size_t>(station::kRadiotextLayout.entryCount)) {}

std::vector<std::string>& ReceivedSettings::tableOf(station::SetKind kind) {
    return kind == station::SetKind::ProgrammeService ? psTable_ : rtTable_;
}

bool ReceivedSettings::storeEntry(const EntryAnswer& entry) {
    if (entry.number() >= station::layoutOf(entry.set).entryCount) {
        return false;
    }
    tableOf(entry.set)[static_cast<std::size_t>(entry.number())] = entry.payload;
    return true;
}

bool ReceivedSettings::takeEntry(const EntryAnswer& entry) {
    if (!storeEntry(entry)) {
        return false;
    }
    const station::SetKind kind = entry.set;
    const station::SetLayout& layout = station::layoutOf(kind);
    const std::vector<std::string>& table = tableOf(kind);
    std::string set;
    set.reserve(static_cast<std::size_t>(layout.setWidth()));
    for (const std::string& payload : table) {
        set += payload;
        set += station::kEntryEnd;
    }
    document_.replaceSet(kind, std::move(set));
    return true;
}

bool ReceivedSettings::save(const settings::Key& key, std::int64_t value) {
    const platform::Status status = settings::write(settings_, key, std::to_string(value));
    if (!status) {
        failureReason_ = status.reason();
    }
    return status.ok();
}

ReceivedSettings::DecoderOutcome ReceivedSettings::takeDecoder(const DecoderAnswer& decoder) {
    const DecoderFields& fields = decoder.fields;
    if (!save(settings::kProgrammeType, settings::numberFromText(fields.programmeType)) ||
        !save(settings::kFrequency, settings::numberFromText(fields.frequencyCode))) {
        return DecoderOutcome::NotSaved;
    }
    struct Interval {
        const settings::Key& positionKey;
        const settings::Key& secondsKey;
        std::string_view field;
        const station::IntervalRange& range;
    };
    const Interval intervals[] = {
        {settings::kPsIntervalPosition, settings::kPsIntervalSeconds, fields.psIntervalSeconds,
         station::kPsIntervalRange},
        {settings::kRtIntervalPosition, settings::kRtIntervalSeconds, fields.rtIntervalSeconds,
         station::kRtIntervalRange},
    };
    for (const Interval& interval : intervals) {
        const std::int64_t seconds = settings::numberFromText(interval.field);
        if (!isReceivableInterval(seconds)) {
            return DecoderOutcome::IntervalOutOfRange;
        }
        if (!save(interval.positionKey, seconds - interval.range.shortestSeconds) ||
            !save(interval.secondsKey, seconds)) {
            return DecoderOutcome::NotSaved;
        }
    }
    return DecoderOutcome::Written;
}

} // namespace velmora::link
