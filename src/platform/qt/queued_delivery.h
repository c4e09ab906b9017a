#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Hands the bytes that arrived on a line to its receive handler from the
// event queue. Qt's devices emit no readyRead while a slot of theirs still
// runs; the receive handler may show a modal window, and bytes that arrive
// meanwhile must still be handled.
class QueuedDelivery {
public:
    // Deliveries are queued on the thread of this object, and dropped with it.
    explicit QueuedDelivery(QObject& context) : context_(context) {}

    void setHandler(std::function<void(std::string_view bytes)> handler) {
        handler_ = std::move(handler);
    }
    // Queues the bytes behind those not yet delivered.
    void add(const QByteArray& bytes);
    // Forgets the bytes not yet delivered.
    void clear() { pending_.clear(); }

private:
    void deliver();

    QObject& context_;
    std::string pending_;
    bool queued_ = false;
    std::function<void(std::string_view)> handler_;
};

} // namespace velmora::platform
