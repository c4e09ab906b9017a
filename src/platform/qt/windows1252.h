#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora::platform {

// The program keeps its 8-bit text as Windows-1252 bytes; widgets and Qt APIs
// speak QString. These convert at that boundary, and all 256 bytes survive
// the round trip.
QString fromWindows1252(std::string_view bytes);
// Characters the code page cannot hold become "?"; text boxes refuse them
// beforehand with isWindows1252.
std::string toWindows1252(const QString& text);
bool isWindows1252(QChar character);

} // namespace velmora::platform
