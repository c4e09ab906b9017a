#include "fakes/fake_settings_store.h"
#include "fakes/param_names.h"
#include "settings/encoder_list.h"
#include "settings/settings_schema.h"

#include <gtest/gtest.h>

namespace velmora::settings {
namespace {

using fakes::PrintTo;

struct StoredPortCase {
    const char* name;
    const char* port;
    int readPort;
    bool takesPart;
};

class EncoderListTest : public testing::TestWithParam<StoredPortCase> {};

// A port that cannot be read never receives anything by mistake.
TEST_P(EncoderListTest, TakesPartOnlyWithAPortItCanRead) {
    fakes::FakeSettingsStore store;
    ASSERT_TRUE(writeEncoderList(store, {{"Zender Noord", 3, true}}).ok());
    SectionWrite damage(kEncoderRows.section);
    damage.set(kEncoderPort, 1, GetParam().port);
    ASSERT_TRUE(damage.to(store).ok());

    const std::vector<EncoderEntry> encoders = readEncoderList(store);
    ASSERT_EQ(encoders.size(), 1U);
    EXPECT_EQ(encoders[0],
              (EncoderEntry{"Zender Noord", GetParam().readPort, GetParam().takesPart}));
}

INSTANTIATE_TEST_SUITE_P(StoredPorts, EncoderListTest,
                         testing::ValuesIn(std::vector<StoredPortCase>{
                             {"AsWritten", "12", 12, true},
                             {"Empty", "", 1, false},
                             {"NotANumber", "drie", 1, false},
                             {"Fraction", "3.5", 1, false},
                             {"OutOfRange", "100", 1, false},
                             {"Zero", "0", 1, false},
                         }),
                         fakes::ByCaseName());

} // namespace
} // namespace velmora::settings
