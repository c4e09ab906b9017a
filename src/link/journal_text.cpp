#include "link/journal_text.h"

#include <string_view>
#include <variant>

namespace velmora::link {
namespace {

std::string withReason(std::string words, std::string_view reason) {
    return reason.empty() ? words : words + ": " + std::string(reason);
}

std::string_view closingText(ClosingCause cause) {
    switch (cause) {
    case ClosingCause::Asked:
        return "Verbinding verbroken";
    case ClosingCause::SignedOff:
        return "De encoder heeft zich afgemeld";
    case ClosingCause::Refused:
        return "Geen verbinding";
    case ClosingCause::Lost:
        return "Verbinding verloren";
    }
    return {};
}

std::string transferText(TransferKind kind, Origin origin) {
    std::string text;
    switch (kind) {
    case TransferKind::Fill:
        text = "Vullen";
        break;
    case TransferKind::ReadOut:
        text = "Uitlezen";
        break;
    case TransferKind::Verification:
        text = "Controle";
        break;
    }
    return text + " door " + std::string(originText(origin));
}

std::string endText(const TransferEnded& ended) {
    const std::string transfer = transferText(ended.kind, ended.origin);
    switch (ended.end) {
    case TransferEnd::Completed:
        return ended.detail.empty() ? transfer + " voltooid" : withReason(transfer, ended.detail);
    case TransferEnd::Failed:
        return withReason(transfer + " mislukt", ended.detail);
    case TransferEnd::Replaced:
        // What took its place is the next line.
        return transfer + " afgebroken: een nieuwe opdracht gaat voor";
    case TransferEnd::BrokenOff:
        return transfer + " afgebroken: de verbinding is verbroken";
    }
    return transfer;
}

struct Words {
    std::string operator()(const Connected& connected) const {
        const HardwareIdentity& identity = connected.identity;
        return "Verbonden met " + trimmed(identity.name) + " (versie " + trimmed(identity.version) +
               ", " + trimmed(identity.updateDate) + ")";
    }
    std::string operator()(const Disconnected& disconnected) const {
        return withReason(std::string(closingText(disconnected.cause)), disconnected.message);
    }
    std::string operator()(const TransferStarted& started) const {
        return transferText(started.kind, started.origin) + " gestart";
    }
    std::string operator()(const TransferEnded& ended) const { return endText(ended); }
    std::string operator()(const LiveTextSent& sent) const {
        return "Live radiotekst verstuurd: " + sent.text;
    }
    std::string operator()(const PiCodeSent& sent) const {
        return "PI-code " + std::to_string(sent.code) + " verstuurd";
    }
    std::string operator()(const ReconnectionWaits& waits) const {
        return reconnectText(waits.wait);
    }
};

} // namespace

std::string journalText(const SessionEvent& event) {
    return std::visit(Words{}, event);
}

} // namespace velmora::link
