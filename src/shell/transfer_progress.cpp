#include "shell/transfer_progress.h"

namespace velmora::shell {

TransferProgress::TransferProgress(QObject* parent) : QObject(parent) {}

TransferProgress::~TransferProgress() {
    close();
}

void TransferProgress::open(int value) {
    if (window_.isNull()) {
        window_ = new widgets::WarningWindow;
        connect(window_, &QDialog::finished, this, [this] {
            window_.clear();
            emit closedByUser();
        });
    }
    window_->enterProgressMode(value);
    window_->show();
}

void TransferProgress::setValue(int value) {
    if (window_) {
        window_->setProgress(value);
    }
}

int TransferProgress::value() const {
    return window_ ? window_->progress() : 0;
}

void TransferProgress::close() {
    if (widgets::WarningWindow* window = window_) {
        window_.clear();
        disconnect(window, nullptr, this, nullptr);
        window->close();
    }
}

} // namespace velmora::shell
