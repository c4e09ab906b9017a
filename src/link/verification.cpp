#include "link/verification.h"

#include <algorithm>

namespace velmora::link {
namespace {

constexpr auto kPsEntries = static_cast<std::size_t>(station::kProgrammeServiceLayout.entryCount);
constexpr auto kRtEntries = static_cast<std::size_t>(station::kRadiotextLayout.entryCount);
constexpr std::size_t kFirstPsItem = 0;
constexpr std::size_t kFirstRtItem = kFirstPsItem + kPsEntries;
constexpr std::size_t kDecoderItem = kFirstRtItem + kRtEntries;

void addEntries(std::vector<VerifiedItem>& items, std::string_view labelPrefix,
                std::string_view set, const station::SetLayout& layout) {
    for (int entry = 0; entry < layout.entryCount; ++entry) {
        items.push_back({std::string(labelPrefix) + " " + std::to_string(entry + 1),
                         std::string(payloadOfEntry(entry, set, layout)), std::nullopt});
    }
}

} // namespace

Verification::Verification(std::string_view psSet, std::string_view rtSet,
                           const DecoderValues& decoder) {
    items_.reserve(kDecoderItem + 1);
    addEntries(items_, "PS", psSet, station::kProgrammeServiceLayout);
    addEntries(items_, "RT", rtSet, station::kRadiotextLayout);
    items_.push_back({"Decoder", decoderPayload(decoder), std::nullopt});
}

void Verification::take(const EntryAnswer& entry) {
    if (!entry.digit || *entry.digit >= station::layoutOf(entry.set).entryCount) {
        return;
    }
    const std::size_t first =
        entry.set == station::SetKind::ProgrammeService ? kFirstPsItem : kFirstRtItem;
    items_[first + static_cast<std::size_t>(*entry.digit)].received = std::string(entry.payload);
}

void Verification::take(const DecoderAnswer& decoder) {
    items_[kDecoderItem].received = std::string(decoder.payload);
}

bool Verification::decoderReceived() const {
    return items_[kDecoderItem].received.has_value();
}

int Verification::differences() const {
    return static_cast<int>(
        std::ranges::count_if(items_, [](const VerifiedItem& item) { return item.differs(); }));
}

std::string Verification::summary() const {
    const int count = differences();
    if (count == 0) {
        return "De encoder bevat precies wat het document aangeeft.";
    }
    return std::to_string(count) + (count == 1 ? " verschil" : " verschillen") + " gevonden.";
}

std::vector<std::string> Verification::missing() const {
    std::vector<std::string> labels;
    for (const VerifiedItem& item : items_) {
        if (!item.received) {
            labels.push_back(item.label);
        }
    }
    return labels;
}

} // namespace velmora::link
