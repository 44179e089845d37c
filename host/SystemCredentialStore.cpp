#include "SystemCredentialStore.h"

#include <qt5keychain/keychain.h>

#include <QDebug>
#include <QFileInfo>

SystemCredentialStore::SystemCredentialStore(
    const QString &service, const QString &key, int deadlineMs, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_key(key)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(deadlineMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        qWarning() << "The credential store did not answer in time";
        // A late answer of the abandoned job is ignored; the job deletes itself when it ends.
        m_job = nullptr;
        auto done = std::move(m_done);
        m_done = nullptr;
        if (done)
            done(Outcome::Unavailable);
    });
}

bool SystemCredentialStore::reachable()
{
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
#else
    return true;
#endif
}

void SystemCredentialStore::read(ReadDone done)
{
    auto *job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(m_key);
    run(job, [job, done](Outcome outcome) {
        done(outcome, outcome == Outcome::Done ? job->textData() : QString());
    });
}

void SystemCredentialStore::write(const QString &secret, Done done)
{
    auto *job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(m_key);
    job->setTextData(secret);
    run(job, std::move(done));
}

void SystemCredentialStore::erase(Done done)
{
    auto *job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(m_key);
    run(job,
        [done](Outcome outcome) { done(outcome == Outcome::NotFound ? Outcome::Done : outcome); });
}

void SystemCredentialStore::run(QKeychain::Job *job, std::function<void(Outcome)> done)
{
    if (!reachable()) {
        delete job;
        done(Outcome::Unavailable);
        return;
    }
    // Never the library's plain-text fallback: that would be the shared settings file.
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    m_job = job;
    m_done = std::move(done);
    connect(job, &QKeychain::Job::finished, this, [this](QKeychain::Job *finished) {
        if (finished != m_job)
            return;
        m_deadline.stop();
        m_job = nullptr;
        Outcome outcome = Outcome::Done;
        if (finished->error() == QKeychain::EntryNotFound) {
            outcome = Outcome::NotFound;
        } else if (finished->error() != QKeychain::NoError) {
            qWarning() << "The credential store failed:" << finished->errorString();
            outcome = Outcome::Unavailable;
        }
        auto whenDone = std::move(m_done);
        m_done = nullptr;
        whenDone(outcome);
    });
    m_deadline.start();
    job->start();
}
