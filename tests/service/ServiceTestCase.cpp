#include "ServiceTestCase.h"

#include <QtTest>

void ServiceTestCase::initTestCase()
{
    QVERIFY2(m_service.start(serviceArguments()), qPrintable(m_service.errorOutput()));
    m_client = std::make_unique<ServiceClient>(m_service.port());
    m_oracle = std::make_unique<DatabaseOracle>(m_service.databasePath());
    m_god = m_client->login(demo::god, demo::passwordOf(demo::god));
    QVERIFY(!m_god.isEmpty());
}

void ServiceTestCase::cleanupTestCase()
{
    m_oracle.reset();
    m_client.reset();
    m_service.stop();
}
