#include "fakes/param_names.h"
#include "settings/number_in_text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace velmora::settings {
namespace {

using fakes::PrintTo;

struct NumberCase {
    const char* name;
    std::string text;
    std::int64_t value;
};

class NumberFromText : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberFromText, ReadsTheLeadingNumber) {
    EXPECT_EQ(numberFromText(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberFromText,
    testing::Values(NumberCase{"EmptyText", "", 0}, NumberCase{"LettersOnly", "abc", 0},
                    NumberCase{"DigitsOnly", "12", 12},
                    NumberCase{"LeadingDigitsThenLetters", "12abc", 12},
                    NumberCase{"LeadingZeros", "007", 7}, NumberCase{"Negative", "-4", -4},
                    NumberCase{"FractionIsCutOff", "3.7", 3},
                    NumberCase{"LeadingSpaceReadsAsZero", " 5", 0},
                    NumberCase{"TooLargeStopsAtTheHighest", "99999999999999999999999", INT64_MAX}),
    fakes::ByCaseName());

} // namespace
} // namespace velmora::settings
