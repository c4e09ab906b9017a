#include "fakes/param_names.h"
#include "users/window_title.h"

#include <gtest/gtest.h>

namespace velmora::users {
namespace {

using fakes::PrintTo;

struct OptionsCase {
    const char* name;
    std::string titleBarText;
    std::string user;
    std::optional<std::string> confirmed;
    std::string applied;
};

class OptionsCaption : public testing::TestWithParam<OptionsCase> {};

TEST_P(OptionsCaption, FollowsTheFourPatterns) {
    const auto& c = GetParam();
    EXPECT_EQ(titleAfterOptionsConfirmed(c.titleBarText, c.user), c.confirmed);
    EXPECT_EQ(titleAfterOptionsApplied(c.titleBarText), c.applied);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsCaption,
    testing::Values(
        OptionsCase{"TextAndUser", "Radio", "jan", "Velmora  Radio    (jan)", "Velmora  Radio"},
        OptionsCase{"UserOnly", "", "jan", "Velmora    (jan)", "Velmora"},
        OptionsCase{"TextOnly", "Radio", "", "Velmora  Radio", "Velmora  Radio"},
        OptionsCase{"NeitherLeavesTheCaption", "", "", std::nullopt, "Velmora"},
        OptionsCase{"SpacesAroundTheTextAreKept", " a ", "", "Velmora   a ", "Velmora   a "}),
    fakes::ByCaseName());

TEST(Title, NewDocumentIgnoresTheTitleBarText) {
    EXPECT_EQ(titleOfNewDocument(), "Velmora    (Nieuw)");
    EXPECT_EQ(titleWithoutLogin("Studio"), "Velmora  Studio    (Nieuw)");
}

} // namespace
} // namespace velmora::users
