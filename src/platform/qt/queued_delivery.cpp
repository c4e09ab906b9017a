#include "platform/qt/queued_delivery.h"

#include <QMetaObject>
#include <utility>

namespace velmora::platform {

void QueuedDelivery::add(const QByteArray& bytes) {
    pending_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (!queued_) {
        queued_ = true;
        const auto deliverPending = [this] { deliver(); };
        QMetaObject::invokeMethod(&context_, deliverPending, Qt::QueuedConnection);
    }
}

void QueuedDelivery::deliver() {
    queued_ = false;
    const std::string bytes = std::exchange(pending_, {});
    // A copy, so that a handler may replace itself while it runs.
    if (const auto handler = handler_; handler && !bytes.empty()) {
        handler(bytes);
    }
}

} // namespace velmora::platform
