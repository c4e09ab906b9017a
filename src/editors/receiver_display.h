#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace velmora::editors {

// What a receiver's display shows at one moment.
struct ReceiverTexts {
    QString name;          // the programme service name, padding included
    QString text;          // the radiotext
    QString programmeType; // its name, or empty
    QString frequency;     // "AF 87,6 MHz", or empty

    bool operator==(const ReceiverTexts&) const = default;
};

// A receiver's display drawn as a picture: the name in large characters of
// one width, each in a cell of its own, the radiotext beneath, the programme
// type and the alternative frequency at the side. It redraws only when its
// texts change, and hands its texts to assistive technology.
class ReceiverDisplay : public QWidget {
    Q_OBJECT

public:
    explicit ReceiverDisplay(QWidget* parent = nullptr);

    void setTexts(const ReceiverTexts& texts);
    const ReceiverTexts& texts() const { return texts_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int margin() const;
    QSizeF nameCell() const;
    int sideWidth() const;

    QFont nameFont_;
    QFont textFont_;
    ReceiverTexts texts_;
};

} // namespace velmora::editors
