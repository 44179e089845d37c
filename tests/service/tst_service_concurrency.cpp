// Many clients writing at once: every write lands, none fails with a locked database.
#include "ServiceTestCase.h"

#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class ServiceConcurrencyTest : public ServiceTestCase
{
    Q_OBJECT

private slots:
    void concurrentWritesAreAllKept();
    void concurrentTaggingLosesNoTag();
    void concurrentPartialUpdatesKeepEachField();

private:
    // Runs work(client index, client) on its own connection in each of the threads.
    template<typename Work>
    void inParallel(int clients, Work work)
    {
        std::vector<std::thread> threads;
        for (int i = 0; i < clients; ++i) {
            threads.emplace_back([this, i, work] {
                ServiceClient client(m_service.port());
                work(i, client);
            });
        }
        for (auto &thread : threads)
            thread.join();
    }
};

void ServiceConcurrencyTest::concurrentWritesAreAllKept()
{
    constexpr int clients = 8;
    constexpr int writesEach = 25;
    std::atomic<int> failures { 0 };
    const qint64 tagsBefore = m_oracle->number(QStringLiteral("SELECT count(*) FROM tags"));
    inParallel(clients, [&](int index, ServiceClient &client) {
        // Each client logs in on its own, writes, and reads in between.
        const QString token = client.login(demo::admin, demo::passwordOf(demo::admin));
        for (int n = 0; n < writesEach; ++n) {
            const QJsonObject tag { { QStringLiteral("n"),
                                        QStringLiteral("client %1 tag %2").arg(index).arg(n) },
                { QStringLiteral("pId"), 400 } };
            if (statusOf(client.call(
                    QStringLiteral("addTag"), { { QStringLiteral("tag"), tag } }, token))
                != 0)
                ++failures;
            const QJsonObject user { { QStringLiteral("n"),
                                         QStringLiteral("client %1 user %2").arg(index).arg(n) },
                { QStringLiteral("cId"), 3 }, { QStringLiteral("r"), 2 } };
            if (statusOf(client.call(
                    QStringLiteral("addUser"), { { QStringLiteral("user"), user } }, token))
                != 0)
                ++failures;
            if (statusOf(client.call(QStringLiteral("listDevices"), {}, token)) != 0)
                ++failures;
        }
    });
    QCOMPARE(failures.load(), 0);
    QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM tags")),
        tagsBefore + clients * writesEach);
    QCOMPARE(m_oracle->number(
                 QStringLiteral("SELECT count(*) FROM users WHERE name LIKE 'client % user %'")),
        qint64(clients * writesEach));
}

void ServiceConcurrencyTest::concurrentTaggingLosesNoTag()
{
    constexpr int clients = 8;
    ServiceClient setup(m_service.port());
    QVector<int> tags;
    for (int i = 0; i < clients; ++i) {
        const QJsonObject added = setup.call(QStringLiteral("addTag"),
            { { QStringLiteral("tag"),
                QJsonObject { { QStringLiteral("n"), QStringLiteral("Wave %1").arg(i) } } } },
            m_god);
        tags.append(resultOf(added).value(QLatin1String("id")).toInt());
    }
    std::atomic<int> failures { 0 };
    const QJsonObject filter { { QStringLiteral("tagsIds"), QJsonArray { 310 } } };
    inParallel(clients, [&](int index, ServiceClient &client) {
        // Taggings of one device set by all clients at once, alternating with renames.
        for (int round = 0; round < 5; ++round) {
            if (statusOf(client.call(QStringLiteral("tagDevices"),
                    { { QStringLiteral("tagId"), tags.at(index) },
                        { QStringLiteral("filter"), filter } },
                    m_god))
                != 0)
                ++failures;
            const QJsonObject device { { QStringLiteral("id"), 70100 + index },
                { QStringLiteral("n"), QStringLiteral("renamed %1").arg(round) } };
            if (statusOf(client.call(QStringLiteral("updateDevice"),
                    { { QStringLiteral("device"), device } }, m_god))
                != 0)
                ++failures;
        }
    });
    QCOMPARE(failures.load(), 0);
    const qint64 campus
        = m_oracle->number(QStringLiteral("SELECT count(*) FROM device_tags WHERE tag_id = 310"));
    for (int tag : qAsConst(tags))
        QCOMPARE(m_oracle->number(
                     QStringLiteral("SELECT count(*) FROM device_tags WHERE tag_id = %1").arg(tag)),
            campus);
    QCOMPARE(
        m_oracle->number(QStringLiteral("SELECT count(*) FROM devices WHERE name = 'renamed 4'")),
        qint64(clients));
}

void ServiceConcurrencyTest::concurrentPartialUpdatesKeepEachField()
{
    // Each client changes one field of the same records, over and over; no client may undo
    // another's field with a stale copy of the record.
    constexpr int rounds = 40;
    const char *fields[] = { "n", "d" };
    std::atomic<int> failures { 0 };
    inParallel(4, [&](int index, ServiceClient &client) {
        const QString field = QString::fromLatin1(fields[index % 2]);
        for (int round = 0; round < rounds; ++round) {
            const QString value = QStringLiteral("%1 %2").arg(field).arg(round);
            const QJsonObject location { { QStringLiteral("id"), 4 + index / 2 },
                { field, value } };
            if (statusOf(client.call(QStringLiteral("updateCustomer"),
                    { { QStringLiteral("customer"), location } }, m_god))
                != 0)
                ++failures;
            const QJsonObject user { { QStringLiteral("id"), 5 + index / 2 },
                { field == "d" ? QStringLiteral("d") : QStringLiteral("n"),
                    field == "d" ? QJsonValue(round % 2 == 1) : QJsonValue(value) } };
            if (statusOf(client.call(
                    QStringLiteral("updateUser"), { { QStringLiteral("user"), user } }, m_god))
                != 0)
                ++failures;
        }
    });
    QCOMPARE(failures.load(), 0);
    for (int location : { 4, 5 }) {
        QCOMPARE(m_oracle->number(QStringLiteral("SELECT count(*) FROM customers WHERE id = %1 AND "
                                                 "name = 'n %2' AND domain = 'd %2'")
                                      .arg(location)
                                      .arg(rounds - 1)),
            qint64(1));
    }
    for (int user : { 5, 6 }) {
        QCOMPARE(m_oracle->number(QStringLiteral(
                     "SELECT count(*) FROM users WHERE id = %1 AND name = 'n %2' AND disabled = 1")
                                      .arg(user)
                                      .arg(rounds - 1)),
            qint64(1));
    }
}

QTEST_GUILESS_MAIN(ServiceConcurrencyTest)
#include "tst_service_concurrency.moc"
