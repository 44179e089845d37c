#include "PrivateFileCredentialStore.h"

#include <PrivateFile.h>

#include <QFile>

namespace {

// A remembered session is a few hundred bytes; anything much larger is not ours.
constexpr qint64 MaxSecretSize = 64 * 1024;

} // namespace

PrivateFileCredentialStore::PrivateFileCredentialStore(const QString &path)
    : m_path(path)
{ }

void PrivateFileCredentialStore::read(ReadDone done)
{
    QFile file(m_path);
    if (!file.exists()) {
        done(Outcome::NotFound, QString());
        return;
    }
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSecretSize) {
        done(Outcome::Unavailable, QString());
        return;
    }
    done(Outcome::Done, QString::fromUtf8(file.readAll()));
}

void PrivateFileCredentialStore::write(const QString &secret, Done done)
{
    done(PrivateFile::write(m_path, secret.toUtf8()) ? Outcome::Done : Outcome::Unavailable);
}

void PrivateFileCredentialStore::erase(Done done)
{
    done(!QFile::exists(m_path) || QFile::remove(m_path) ? Outcome::Done : Outcome::Unavailable);
}
