#pragma once

#include "platform/settings_store.h"
#include "settings/decoder_ranges.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::settings {

// Every section and key of the settings store, as the program names them on
// disk. Nothing else spells a section or a key: the typed readers and writers
// beside this header, and the helpers at its end, address the store by these.

// What a key holds. Every value is text in the store.
enum class Kind {
    Text,   // Windows-1252 text, kept as it is
    Path,   // a file or folder as Windows-1252 text, made a UTF-8 path where it is used
    Number, // decimal text, read by the key's number rule
    Flag,   // "1" for on, "0" for off; any other text reads as off
};

// Which rule of number_in_text.h reads a number key.
enum class NumberRule {
    None,          // not a number
    Leading,       // numberFromText: the leading whole number, a fraction cut off
    Rounded,       // roundedNumberFromText: the leading number, rounded
    RoundedWithin, // storedNumberInRange: rounded, and within the range as written
};

// Both ends included.
struct Range {
    int lowest;
    int highest;

    constexpr bool contains(std::int64_t number) const {
        return number >= lowest && number <= highest;
    }
};

struct Key {
    std::string_view section;
    std::string_view name;
    Kind kind;
    NumberRule rule = NumberRule::None;
    std::optional<Range> range = std::nullopt;
};

// A key of each row of a list kept in a section: the name followed by the
// row's number from 1 on, "Tijd1", "Tijd2", ..., beside a key that counts
// the rows. Rows beyond the count are left where they are and never read.
struct RowKey {
    std::string_view section;
    std::string_view name;
    Kind kind;
};

// A key of an account, whose section is the user name, given at each call.
struct AccountKey {
    std::string_view name;
    Kind kind;
};

namespace section {
inline constexpr std::string_view kPort = "Compoort";
inline constexpr std::string_view kOptions = "Opties";
inline constexpr std::string_view kSaveAs = "strgebruikersnaam";
inline constexpr std::string_view kDecoder = "Decoder";
inline constexpr std::string_view kVerification = "Controle";
inline constexpr std::string_view kLive = "Live";
inline constexpr std::string_view kPlanning = "Planning";
inline constexpr std::string_view kEncoders = "Zenders";
} // namespace section

// The serial port's number. The port window lists 1 to 9 and selects the
// stored text only when it is one of them; a connect opens whatever number
// the text starts with.
inline constexpr Key kPortNumber{section::kPort, "Compoort", Kind::Number, NumberRule::Rounded,
                                 Range{1, 9}};

// "Automatisch opnieuw verbinden" after a lost connection; on unless "0".
inline constexpr Key kReconnect{section::kPort, "Opnieuw", Kind::Flag};

// The text in the main window's caption, exactly as typed in the options window.
inline constexpr Key kTitleBarText{section::kOptions, "Titelbalk", Kind::Text};
// The folder the Open dialog starts in; empty for the default station folder.
// No window writes it.
inline constexpr Key kOpenFolder{section::kOptions, "Bestanden", Kind::Path};
// The folder the user editor's Browse dialog starts in. No window writes it.
inline constexpr Key kBrowseFolder{section::kOptions, "Bestand", Kind::Path};

// The start value of the Save As dialog. Nothing writes its section, unless
// an account of that very name exists.
inline constexpr Key kSaveAsStart{section::kSaveAs, "Bestand", Kind::Path};

// The decoder information: written by the decoder window and by a read-out,
// shown by the decoder window and the overview, sent by a fill. A fill reads
// the four values it sends by their leading number (NumberRule::Leading) and
// sends zeros for one outside the key's range.
//
// The programme type: its position in the list "Geen" to "Alarm"; sent.
inline constexpr Key kProgrammeType{section::kDecoder, "Programma", Kind::Number,
                                    NumberRule::RoundedWithin, Range{0, kProgrammeTypeCount - 1}};
// The alternative frequency code, 0 for none; sent.
inline constexpr Key kFrequency{section::kDecoder, "Frequentie", Kind::Number,
                                NumberRule::RoundedWithin, Range{0, kHighestFrequencyCode}};
// The PS interval as the position in the decoder window's list.
inline constexpr Key kPsIntervalPosition{section::kDecoder, "Progint", Kind::Number,
                                         NumberRule::RoundedWithin,
                                         Range{0, kPsIntervalRange.positionCount() - 1}};
// The PS interval in seconds; only a fill reads it, and sends it.
inline constexpr Key kPsIntervalSeconds{section::kDecoder, "strProgint", Kind::Number,
                                        NumberRule::Leading,
                                        Range{0, kPsIntervalRange.longestSeconds}};
// The RT interval as the position in the decoder window's list.
inline constexpr Key kRtIntervalPosition{section::kDecoder, "Tekstint", Kind::Number,
                                         NumberRule::RoundedWithin,
                                         Range{0, kRtIntervalRange.positionCount() - 1}};
// The RT interval in seconds; only a fill reads it, and sends it.
inline constexpr Key kRtIntervalSeconds{section::kDecoder, "strTekstint", Kind::Number,
                                        NumberRule::Leading,
                                        Range{0, kRtIntervalRange.longestSeconds}};

// "Na elk vullen controleren": a verification follows every fill.
inline constexpr Key kVerifyAfterFill{section::kVerification, "NaVullen", Kind::Flag};

// The live radiotext: the file a playout system writes, the RT entry that
// carries its first line (one of the five; any other number reads as 1), a
// prefix before it, and whether it goes out.
inline constexpr Key kLiveFile{section::kLive, "Bestand", Kind::Path};
inline constexpr Key kLiveEntry{section::kLive, "Radiotekst", Kind::Number, NumberRule::Leading,
                                Range{1, 5}};
inline constexpr Key kLivePrefix{section::kLive, "Voorvoegsel", Kind::Text};
inline constexpr Key kLiveOn{section::kLive, "Aan", Kind::Flag};

// The planning: whether it is used, and its entries, each with the days
// ("ma di wo do vr za zo", any of them, separated by spaces), the start time
// ("06:00"), the station file and whether it is on.
inline constexpr Key kPlanningInUse{section::kPlanning, "Gebruiken", Kind::Flag};
inline constexpr Key kPlanningRows{section::kPlanning, "Aantal", Kind::Number, NumberRule::Leading,
                                   Range{0, 999}};
inline constexpr RowKey kPlanningDays{section::kPlanning, "Dagen", Kind::Text};
inline constexpr RowKey kPlanningStart{section::kPlanning, "Tijd", Kind::Text};
inline constexpr RowKey kPlanningFile{section::kPlanning, "Bestand", Kind::Path};
inline constexpr RowKey kPlanningOn{section::kPlanning, "Aan", Kind::Flag};
// What a planning entry fills: the main connection's encoder, or "1" for
// every encoder of the list that takes part.
inline constexpr RowKey kPlanningAllEncoders{section::kPlanning, "AlleZenders", Kind::Flag};

// The encoders that one action fills together: each a name, a port number
// (as the port window's, with its port link) and whether it takes part.
inline constexpr Key kEncoderRows{section::kEncoders, "Aantal", Kind::Number, NumberRule::Leading,
                                  Range{0, 99}};
inline constexpr RowKey kEncoderName{section::kEncoders, "Naam", Kind::Text};
inline constexpr RowKey kEncoderPort{section::kEncoders, "Poort", Kind::Number};
inline constexpr RowKey kEncoderTakesPart{section::kEncoders, "Meedoen", Kind::Flag};

// An account's password: an Argon2id hash, or the password itself as an
// earlier version stored it, until its next login. Empty: no such account.
inline constexpr AccountKey kPassword{"Wachtwoord", Kind::Text};
// The station file linked to the account; empty when none is linked.
inline constexpr AccountKey kLinkedFile{"Bestand", Kind::Path};

// Every key above, in order; a test pins their names on disk.
inline constexpr std::array kAllKeys{
    kPortNumber,
    kReconnect,
    kTitleBarText,
    kOpenFolder,
    kBrowseFolder,
    kSaveAsStart,
    kProgrammeType,
    kFrequency,
    kPsIntervalPosition,
    kPsIntervalSeconds,
    kRtIntervalPosition,
    kRtIntervalSeconds,
    kVerifyAfterFill,
    kLiveFile,
    kLiveEntry,
    kLivePrefix,
    kLiveOn,
    kPlanningInUse,
    kPlanningRows,
    kEncoderRows,
};
inline constexpr std::array kAllRowKeys{kPlanningDays, kPlanningStart,       kPlanningFile,
                                        kPlanningOn,   kPlanningAllEncoders, kEncoderName,
                                        kEncoderPort,  kEncoderTakesPart};
inline constexpr std::array kAllAccountKeys{kPassword, kLinkedFile};

std::string read(const platform::SettingsStore& store, const Key& key);
platform::Status write(platform::SettingsStore& store, const Key& key, std::string_view value);
std::string read(const platform::SettingsStore& store, std::string_view userName,
                 const AccountKey& key);
platform::Status write(platform::SettingsStore& store, std::string_view userName,
                       const AccountKey& key, std::string_view value);

// One key and the value it is to hold.
template <typename KeyType> struct Entry {
    const KeyType& key;
    std::string_view value;
};

// Writes keys of one section together: either every one is stored, or none
// is and each keeps the value it had.
platform::Status write(platform::SettingsStore& store, std::span<const Entry<Key>> entries);
platform::Status write(platform::SettingsStore& store, std::string_view userName,
                       std::span<const Entry<AccountKey>> entries);

// The number a key holds, read by its rule, when it lies within its range or
// the narrower one given.
std::optional<int> readNumber(const platform::SettingsStore& store, const Key& key);
std::optional<int> readNumber(const platform::SettingsStore& store, const Key& key, Range within);

bool readFlag(const platform::SettingsStore& store, const Key& key);

// The name of a row's key on disk: "Tijd3".
std::string rowKeyName(const RowKey& key, int row);
std::string read(const platform::SettingsStore& store, const RowKey& key, int row);

// Keys of one section, fixed ones and those of a list's rows, gathered to be
// written together: either every one is stored, or none is.
class SectionWrite {
public:
    explicit SectionWrite(std::string_view section) : section_(section) {}
    void set(const Key& key, std::string value);
    void set(const RowKey& key, int row, std::string value);
    platform::Status to(platform::SettingsStore& store) const;

private:
    std::string_view section_;
    std::vector<std::pair<std::string, std::string>> values_;
};
platform::Status writeFlag(platform::SettingsStore& store, const Key& key, bool on);

} // namespace velmora::settings
