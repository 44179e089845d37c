#pragma once

#include <QObject>
#include <QString>
#include <memory>

class ServiceProcess;

// The real reference service for Qt Quick Tests: started with demo data on a free port.
// Without the service in the build it is not available and the tests that need it skip; with
// it, a service that does not start is a failure.
class QmlReferenceService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serviceUri READ serviceUri NOTIFY started)
    Q_PROPERTY(bool available READ available CONSTANT)
public:
    explicit QmlReferenceService(QObject *parent = nullptr);
    ~QmlReferenceService() override;

    QString serviceUri() const { return m_serviceUri; }
    bool available() const;

    Q_INVOKABLE bool start();

signals:
    void started();

private:
    std::unique_ptr<ServiceProcess> m_process;
    QString m_serviceUri;
};
