#include "settings/encoder_list.h"

#include "settings/number_in_text.h"

#include <algorithm>

namespace velmora::settings {

std::vector<EncoderEntry> readEncoderList(const platform::SettingsStore& store) {
    std::vector<EncoderEntry> encoders;
    const int rows = readNumber(store, kEncoderRows).value_or(0);
    for (int row = 1; row <= rows; ++row) {
        const std::string portText = read(store, kEncoderPort, row);
        const bool portIsNumber = !portText.empty() && std::ranges::all_of(portText, [](char c) {
            return c >= '0' && c <= '9';
        }) && kEncoderPortRange.contains(numberFromText(portText));
        encoders.push_back(
            {.name = read(store, kEncoderName, row),
             .port = portIsNumber ? static_cast<int>(numberFromText(portText)) : 1,
             .takesPart = portIsNumber && read(store, kEncoderTakesPart, row) == "1"});
    }
    return encoders;
}

platform::Status writeEncoderList(platform::SettingsStore& store,
                                  const std::vector<EncoderEntry>& encoders) {
    SectionWrite write(kEncoderRows.section);
    write.set(kEncoderRows, std::to_string(encoders.size()));
    int row = 1;
    for (const EncoderEntry& encoder : encoders) {
        write.set(kEncoderName, row, encoder.name);
        write.set(kEncoderPort, row, std::to_string(encoder.port));
        write.set(kEncoderTakesPart, row, encoder.takesPart ? "1" : "0");
        ++row;
    }
    return write.to(store);
}

} // namespace velmora::settings
