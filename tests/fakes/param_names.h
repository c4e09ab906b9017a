#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>

namespace velmora::fakes {

// A parameterised case that says in its `name` field what it is about.
template <class Case>
concept NamedCase = requires(const Case& c) {
    { c.name } -> std::convertible_to<std::string_view>;
};

// A case's description as a GoogleTest name, which may hold only letters,
// digits and '_'.
inline std::string testName(std::string_view description) {
    std::string name(description);
    for (char& c : name) {
        const bool allowed =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!allowed) {
            c = '_';
        }
    }
    return name;
}

// The name generator of INSTANTIATE_TEST_SUITE_P for named cases.
struct ByCaseName {
    template <class ParamInfo> std::string operator()(const ParamInfo& info) const {
        return testName(info.param.name);
    }
};

// Shows a named case by its name where GoogleTest would dump its bytes.
// GoogleTest looks it up in the case's own namespace, so a test file brings it
// in with `using fakes::PrintTo;`; being constrained, it wins over GoogleTest's
// catch-all template.
template <NamedCase Case> void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

} // namespace velmora::fakes
