#pragma once

#include <QLineEdit>

namespace velmora::editors {

// The box of one set entry: at most nameWidth characters of the station
// files' code page, in the fixed-pitch font, wide enough to show them all.
class NameBox : public QLineEdit {
    Q_OBJECT

public:
    NameBox(int nameWidth, QWidget* parent = nullptr);

protected:
    // An empty entry arrives as a full row of spaces, which would leave no room
    // to type; the box clears it when it gets the focus.
    void focusInEvent(QFocusEvent* event) override;

private:
    int nameWidth_;
};

} // namespace velmora::editors
