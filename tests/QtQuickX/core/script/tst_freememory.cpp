#include "FreeMemory.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

class FreeMemoryTest : public QObject
{
    Q_OBJECT
private slots:
    // Blocks freed in another thread's heap, with a live block above them, stay resident until
    // they are given back.
    void givesBackWhatAnotherThreadFreed()
    {
        constexpr int blocks = 64 * 1024;
        constexpr size_t blockSize = 1000;
        std::unique_ptr<char[]> pin;
        const qint64 before = residentBytes();
        std::thread([&] {
            std::vector<std::unique_ptr<char[]>> held;
            for (int i = 0; i < blocks; ++i) {
                held.emplace_back(new char[blockSize]);
                std::memset(held.back().get(), 1, blockSize);
            }
            pin.reset(new char[blockSize]);
        }).join();
        const qint64 freed = residentBytes();
        QVERIFY(freed - before > 40 * 1024 * 1024);

        if (!FreeMemory::giveBack())
            return; // a heap without the call (the sanitizers' own allocator)
        const qint64 after = residentBytes();
        QVERIFY2(freed - after > 30 * 1024 * 1024,
            qPrintable(QStringLiteral("%1 MB resident before, %2 MB after")
                           .arg(freed >> 20)
                           .arg(after >> 20)));
    }
};

QTEST_GUILESS_MAIN(FreeMemoryTest)
#include "tst_freememory.moc"
