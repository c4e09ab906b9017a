#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::editors {

// The whole number a stored "Decoder" value stands for, when its leading
// number lies from lowest up to (not including) end. The range is checked on
// the number as written, before rounding: "0.5" lies below 1 and "-0.4" below
// 0. Nothing when the number, or its rounding, falls outside, so that the
// reader falls back as it must.
std::optional<int> storedNumberInRange(std::string_view value, int lowest, int end);

// The position in a list of listLength entries that a stored value selects.
std::optional<int> storedListPosition(std::string_view value, int listLength);

// The frequency of an alternative-frequency code as the user's system writes
// numbers ("87,6" or "87.6", "88" without a decimal part); empty for a code
// outside 1-204.
QString frequencyText(std::int64_t code, const QLocale& locale);

} // namespace velmora::editors
