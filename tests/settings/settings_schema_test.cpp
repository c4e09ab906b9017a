#include "settings/settings_schema.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::settings {
namespace {

using Names = std::vector<std::pair<std::string_view, std::string_view>>;

// The names on disk are what earlier versions wrote and every store holds:
// none may change, and a new key is added here on purpose.
TEST(SettingsSchema, NamesEveryKeyAsTheStoreHoldsIt) {
    Names keys;
    for (const Key& key : kAllKeys) {
        keys.emplace_back(key.section, key.name);
    }
    EXPECT_EQ(
        keys,
        (Names{
            {"Compoort", "Compoort"},  {"Compoort", "Opnieuw"},   {"Opties", "Titelbalk"},
            {"Opties", "Bestanden"},   {"Opties", "Bestand"},     {"strgebruikersnaam", "Bestand"},
            {"Decoder", "Programma"},  {"Decoder", "Frequentie"}, {"Decoder", "Progint"},
            {"Decoder", "strProgint"}, {"Decoder", "Tekstint"},   {"Decoder", "strTekstint"},
            {"Controle", "NaVullen"},  {"Live", "Bestand"},       {"Live", "Radiotekst"},
            {"Live", "Voorvoegsel"},   {"Live", "Aan"},           {"Planning", "Gebruiken"},
            {"Planning", "Aantal"},    {"Zenders", "Aantal"},
        }));
    std::vector<std::pair<std::string_view, std::string>> rowKeys;
    for (const RowKey& key : kAllRowKeys) {
        rowKeys.emplace_back(key.section, rowKeyName(key, 2));
    }
    EXPECT_EQ(rowKeys,
              (std::vector<std::pair<std::string_view, std::string>>{{"Planning", "Dagen2"},
                                                                     {"Planning", "Tijd2"},
                                                                     {"Planning", "Bestand2"},
                                                                     {"Planning", "Aan2"},
                                                                     {"Planning", "AlleZenders2"},
                                                                     {"Zenders", "Naam2"},
                                                                     {"Zenders", "Poort2"},
                                                                     {"Zenders", "Meedoen2"}}));
    std::vector<std::string_view> accountKeys;
    for (const AccountKey& key : kAllAccountKeys) {
        accountKeys.push_back(key.name);
    }
    EXPECT_EQ(accountKeys, (std::vector<std::string_view>{"Wachtwoord", "Bestand"}));
}

} // namespace
} // namespace velmora::settings
