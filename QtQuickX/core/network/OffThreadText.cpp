#include "OffThreadText.h"

#include <QObject>
#include <QThreadPool>

#include <memory>

namespace OffThreadText {

void decode(const QByteArray &utf8, std::function<void(const QString &)> done)
{
    // Made in the asking thread, so the answer is delivered there; it lives until the answer
    // was delivered (or dropped with the event loop), whoever lets go last.
    const std::shared_ptr<QObject> receiver(
        new QObject, [](QObject *object) { object->deleteLater(); });
    auto callback = std::make_shared<std::function<void(const QString &)>>(std::move(done));
    QThreadPool::globalInstance()->start([utf8, receiver, callback] {
        const QString text = QString::fromUtf8(utf8);
        QMetaObject::invokeMethod(
            receiver.get(), [receiver, callback, text] { (*callback)(text); },
            Qt::QueuedConnection);
    });
}

} // namespace OffThreadText
