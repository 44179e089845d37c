#pragma once

#include <QObject>
#include <QString>
#include <memory>

class ServiceProcess;

// The real reference service for Qt Quick Tests: started with demo data on a free port.
// Without the service in the build, start() fails and the tests that need it skip.
class QmlReferenceService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serviceUri READ serviceUri NOTIFY started)
public:
    explicit QmlReferenceService(QObject *parent = nullptr);
    ~QmlReferenceService() override;

    QString serviceUri() const { return m_serviceUri; }

    Q_INVOKABLE bool start();

signals:
    void started();

private:
    std::unique_ptr<ServiceProcess> m_process;
    QString m_serviceUri;
};
