#pragma once

#include "CredentialStore.h"

// A file of its own, readable by the owner only: where a secret goes when no credential store
// of the system answers. Never the shared settings file.
class PrivateFileCredentialStore : public CredentialStore
{
public:
    explicit PrivateFileCredentialStore(const QString &path);

    void read(ReadDone done) override;
    void write(const QString &secret, Done done) override;
    void erase(Done done) override;

    QString path() const { return m_path; }

private:
    QString m_path;
};
