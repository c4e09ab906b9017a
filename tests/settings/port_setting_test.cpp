#include "fakes/fake_settings_store.h"
#include "fakes/param_names.h"
#include "settings/port_setting.h"
#include "settings/settings_schema.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace velmora::settings {
namespace {

using fakes::PrintTo;

struct PortCase {
    const char* name;
    const char* setting;
    int inForce;
    int port;
};

class PortNumberTest : public testing::TestWithParam<PortCase> {};

TEST_P(PortNumberTest, FollowsTheSetting) {
    fakes::FakeSettingsStore store;
    ASSERT_TRUE(write(store, kPortNumber, GetParam().setting).ok());
    EXPECT_EQ(portNumberToOpen(store, GetParam().inForce), GetParam().port)
        << '"' << GetParam().setting << '"';
}

INSTANTIATE_TEST_SUITE_P(PortSettings, PortNumberTest,
                         testing::ValuesIn(std::vector<PortCase>{
                             {"EmptyMeansPort1", "", 7, 1},
                             {"AboveHalfRoundsUp", "3.6", 1, 4},
                             {"BelowHalfRoundsDown", "3.4", 1, 3},
                             {"NoLeadingDigitKeepsThePortInForce", "-3", 5, 5},
                             {"TooLargeStopsAtTheHighestInt", "99999999999999999999", 1, INT_MAX},
                         }),
                         fakes::ByCaseName());

} // namespace
} // namespace velmora::settings
