#pragma once

#include "widgets/warning_window.h"

#include <QObject>
#include <QPointer>

namespace velmora::shell {

// The warning window as the progress display of a transfer to or from the
// encoder: shown without blocking, advanced by the transfer, closed at its end.
// The user may close it with its close box; closedByUser then tells the
// transfer.
class TransferProgress : public QObject {
    Q_OBJECT

public:
    explicit TransferProgress(QObject* parent = nullptr);
    ~TransferProgress() override;

    // Loads the warning window in progress mode at this value and shows it.
    void open(int value = 0);
    bool isOpen() const { return !window_.isNull(); }
    void setValue(int value);
    int value() const;
    // Closes the window as the end of the transfer does; closedByUser does not follow.
    void close();

    widgets::WarningWindow* window() const { return window_; }

signals:
    void closedByUser();

private:
    QPointer<widgets::WarningWindow> window_;
};

} // namespace velmora::shell
