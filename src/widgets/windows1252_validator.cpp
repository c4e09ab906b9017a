#include "widgets/windows1252_validator.h"

#include "platform/qt/windows1252.h"

#include <algorithm>

namespace velmora::widgets {

QValidator::State Windows1252Validator::validate(QString& input, int& /*position*/) const {
    return std::all_of(input.cbegin(), input.cend(), platform::isWindows1252) ? Acceptable
                                                                              : Invalid;
}

} // namespace velmora::widgets
