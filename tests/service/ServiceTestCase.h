#pragma once

#include "ServiceProcess.h"
#include "ServiceTestData.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

// Base of the test cases that talk to the real service: the demo service on a port of its own,
// a client, the database read directly and the god's session, set up before the first test of
// the case and torn down after its last.
class ServiceTestCase : public QObject
{
    Q_OBJECT

protected:
    // Options added to the service's command line, for cases that need another demo or bounds.
    virtual QStringList serviceArguments() const { return {}; }

    ServiceProcess m_service;
    std::unique_ptr<ServiceClient> m_client;
    std::unique_ptr<DatabaseOracle> m_oracle;
    QString m_god;

private slots:
    void initTestCase();
    void cleanupTestCase();
};
