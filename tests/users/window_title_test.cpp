#include "users/window_title.h"

#include <gtest/gtest.h>

namespace velmora::users {
namespace {

struct OptionsCase {
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
    testing::Values(OptionsCase{"Radio", "jan", "Velmora  Radio    (jan)", "Velmora  Radio"},
                    OptionsCase{"", "jan", "Velmora    (jan)", "Velmora"},
                    OptionsCase{"Radio", "", "Velmora  Radio", "Velmora  Radio"},
                    OptionsCase{"", "", std::nullopt, "Velmora"},
                    OptionsCase{" a ", "", "Velmora   a ", "Velmora   a "}));

TEST(Title, NewDocumentIgnoresTheTitleBarText) {
    EXPECT_EQ(titleOfNewDocument(), "Velmora    (Nieuw)");
    EXPECT_EQ(titleWithoutLogin("Studio"), "Velmora  Studio    (Nieuw)");
}

} // namespace
} // namespace velmora::users
