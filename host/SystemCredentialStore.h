#pragma once

#include "CredentialStore.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace QKeychain {
class Job;
}

// The operating system's credential store: the Credential Manager on Windows, the Secret
// Service on Linux. A store that does not answer within the deadline counts as unavailable,
// so that nothing waits on a keychain for long.
class SystemCredentialStore : public QObject, public CredentialStore
{
    Q_OBJECT
public:
    SystemCredentialStore(
        const QString &service, const QString &key, int deadlineMs, QObject *parent = nullptr);

    void read(ReadDone done) override;
    void write(const QString &secret, Done done) override;
    void erase(Done done) override;

    // Whether a store can be asked at all: on Linux the Secret Service needs a session bus,
    // and without one the desktop libraries would try to start a bus of their own.
    static bool reachable();

private:
    void run(QKeychain::Job *job, std::function<void(Outcome)> done);

    QString m_service;
    QString m_key;
    QTimer m_deadline;
    QPointer<QKeychain::Job> m_job;
    std::function<void(Outcome)> m_done;
};
