#pragma once

#include <QCloseEvent>
#include <QStringList>
#include <QWidget>

namespace velmora::testing {

// A child window that notes its objectName when it is closed.
class ClosingProbe : public QWidget {
public:
    explicit ClosingProbe(QStringList& closed) : closed_(closed) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        closed_.append(objectName());
        QWidget::closeEvent(event);
    }

private:
    QStringList& closed_;
};

} // namespace velmora::testing
