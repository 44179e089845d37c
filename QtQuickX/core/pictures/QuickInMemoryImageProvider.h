#pragma once

#include <QObject>
#include <QQuickImageProvider>

#include <memory>

class InMemoryImageProvider;
class QQmlEngine;

// Serves the in-memory pictures to Qt Quick under "image://memory-image/<picture id>".
class QuickInMemoryImageProvider : public QObject, public QQuickImageProvider
{
    Q_OBJECT
    Q_PROPERTY(int imagesCount READ imagesCount NOTIFY imagesCountChanged)
public:
    static const QString providerName;

    explicit QuickInMemoryImageProvider(QObject *parent = nullptr);
    ~QuickInMemoryImageProvider() override;

    // Registers a provider with the engine (which owns it) unless one is there already.
    static void installOn(QQmlEngine *engine);

    int imagesCount() const;
    // The requested size is not applied: pictures are shown as they are.
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

signals:
    void imagesCountChanged();

private:
    std::shared_ptr<InMemoryImageProvider> m_store;
};
