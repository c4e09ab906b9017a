#include "platform/qt/windows1252.h"

#include "platform/windows1252_table.h"

namespace velmora::platform {

QString fromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text.append(QChar(windows1252::unicodeOf(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const auto byte = windows1252::byteOf(character.unicode());
        bytes.push_back(static_cast<char>(byte.value_or('?')));
    }
    return bytes;
}

bool isWindows1252(QChar character) {
    return windows1252::byteOf(character.unicode()).has_value();
}

} // namespace velmora::platform
