#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace velmora::editors {

// The frequency of an alternative-frequency code as the user's system writes
// numbers ("87,6" or "87.6", "88" without a decimal part); empty for a code
// outside 1-204.
QString frequencyText(std::int64_t code, const QLocale& locale);
// The same with its unit: "87,6 MHz".
QString frequencyInMegahertz(std::int64_t code, const QLocale& locale);

} // namespace velmora::editors
