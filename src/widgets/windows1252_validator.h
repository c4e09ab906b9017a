#pragma once

#include <QValidator>

namespace velmora::widgets {

// Refuses any edit, typed or pasted, that would put a character into the box
// which the 8-bit code page of the station files cannot hold, so that nothing
// is turned into "?" on the way to the set.
class Windows1252Validator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

} // namespace velmora::widgets
