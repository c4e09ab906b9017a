#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::editors {

// The position in a list of listLength entries that a stored "Decoder" value
// selects: its leading number, rounded to a whole number. Nothing when that
// lies outside the list, so that the reader falls back as it must.
std::optional<int> storedListPosition(std::string_view value, int listLength);

// The frequency of an alternative-frequency code as the user's system writes
// numbers ("87,6" or "87.6", "88" without a decimal part); empty for a code
// outside 1-204.
QString frequencyText(std::int64_t code, const QLocale& locale);

} // namespace velmora::editors
