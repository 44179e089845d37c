#include "QmlReferenceService.h"

#ifdef KESTRUM_WITH_REFERENCE_SERVICE
#include "ServiceProcess.h"
#endif

#include <QDebug>

#ifndef KESTRUM_WITH_REFERENCE_SERVICE
// Stands in for the service process when the build has no service.
class ServiceProcess
{
};
#endif

QmlReferenceService::QmlReferenceService(QObject *parent)
    : QObject(parent)
{ }

QmlReferenceService::~QmlReferenceService() = default;

bool QmlReferenceService::available() const
{
#ifdef KESTRUM_WITH_REFERENCE_SERVICE
    return true;
#else
    return false;
#endif
}

bool QmlReferenceService::start()
{
#ifdef KESTRUM_WITH_REFERENCE_SERVICE
    m_process = std::make_unique<ServiceProcess>();
    if (!m_process->start()) {
        qWarning() << "The reference service did not start:" << m_process->errorOutput();
        m_process.reset();
        return false;
    }
    m_serviceUri = QStringLiteral("http://127.0.0.1:%1/QuillonService.svc").arg(m_process->port());
    emit started();
    return true;
#else
    return false;
#endif
}
