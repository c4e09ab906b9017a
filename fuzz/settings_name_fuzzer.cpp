// Section and key names of the settings store: every name, a user name
// included, escapes to text that the INI file keeps as it is, and two
// different names never share an entry. Decoding the escaped text gives the
// name back, which proves the second; a pair of names checks it directly.

#include "fuzz_input.h"
#include "platform/qt/qt_settings_store.h"
#include "property.h"

#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::fuzz {
namespace {

bool isPlain(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
           c == u'_';
}

bool isPlainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return isPlain(static_cast<unsigned char>(c));
    });
}

std::optional<int> hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return std::nullopt;
}

// The name an escaped text stands for, or nothing when no name escapes to it.
std::optional<std::string> unescaped(const QString& escaped) {
    if (escaped == QStringLiteral("-")) {
        return std::string();
    }
    std::string name;
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const char16_t c = escaped[i].unicode();
        if (isPlain(c)) {
            name += static_cast<char>(c);
            continue;
        }
        if (c != u'-' || i + 2 >= escaped.size()) {
            return std::nullopt;
        }
        const auto high = hexValue(escaped[i + 1].unicode());
        const auto low = hexValue(escaped[i + 2].unicode());
        if (!high || !low) {
            return std::nullopt;
        }
        name += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    return name.empty() ? std::nullopt : std::optional<std::string>(name);
}

QString checkedEscape(std::string_view name) {
    const QString escaped = platform::escapedSettingsName(name);
    require(!escaped.isEmpty(), "every name has an entry");
    for (const QChar c : escaped) {
        require(isPlain(c.unicode()) || c == u'-',
                "escaped names hold only letters, digits, \"_\" and \"-\"");
    }
    require(unescaped(escaped) == std::string(name), "the escaped text gives the name back");
    if (isPlainName(name)) {
        require(escaped.toStdString() == name, "plain names stay readable as they are");
    }
    return escaped;
}

} // namespace
} // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::fuzz;
    FuzzInput input(data, size);
    const std::string_view first = input.text();
    const std::string_view second = input.remaining();
    const QString firstEscaped = checkedEscape(first);
    const QString secondEscaped = checkedEscape(second);
    require((first == second) == (firstEscaped == secondEscaped),
            "two names share an escaped text only when they are the same");
    return 0;
}
