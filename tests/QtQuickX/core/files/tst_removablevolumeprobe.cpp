#include "LinuxRemovableVolumeProbe.h"

#include <QTemporaryDir>
#include <QtTest>

// A fake sysfs tree with the shapes the kernel really uses: class/block links into devices/.
class RemovableVolumeProbeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        const QString usbHost = "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host6/"
                                "target6:0:0/6:0:0:0/block/";
        const QString sataHost = "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/"
                                 "0:0:0:0/block/";
        addDisk(usbHost + "sdb", "0", { "sdb1" });
        addDisk(sataHost + "sda", "0", { "sda1", "sda2" });
        addDisk(sataHost + "sdc", "1", { "sdc1" }); // a card reader on the internal bus
        addDisk("devices/virtual/block/loop0", "0", {});
        addDisk("devices/pci0000:00/0000:00:1d.0/nvme/nvme0/nvme0n1", "0", { "nvme0n1p1" });

        // A device node reached through a link, as in /dev/disk/by-label.
        QVERIFY(QDir().mkpath(m_root.filePath("dev/disk/by-label")));
        QFile node(m_root.filePath("dev/sdb1"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link("../../sdb1", m_root.filePath("dev/disk/by-label/STICK")));
    }

    void decision_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("removable");
        QTest::newRow("usb partition") << "/dev/sdb1" << true;
        QTest::newRow("usb disk") << "/dev/sdb" << true;
        QTest::newRow("fixed sata partition") << "/dev/sda2" << false;
        QTest::newRow("removable media partition") << "/dev/sdc1" << true;
        QTest::newRow("removable media disk") << "/dev/sdc" << true;
        QTest::newRow("loop device") << "/dev/loop0" << false;
        QTest::newRow("nvme partition") << "/dev/nvme0n1p1" << false;
        QTest::newRow("unknown device") << "/dev/sdz1" << false;
        QTest::newRow("pseudo file system") << "tmpfs" << false;
        QTest::newRow("empty") << "" << false;
    }
    void decision()
    {
        QFETCH(QString, device);
        QFETCH(bool, removable);
        LinuxRemovableVolumeProbe probe(m_root.filePath("sys"));
        QCOMPARE(probe.isRemovableDevice(device), removable);
    }

    void deviceLinkIsFollowed()
    {
        LinuxRemovableVolumeProbe probe(m_root.filePath("sys"));
        QVERIFY(probe.isRemovableDevice(m_root.filePath("dev/disk/by-label/STICK")));
    }

    void missingSysfsMeansNothingIsRemovable()
    {
        LinuxRemovableVolumeProbe probe(m_root.filePath("no-sys"));
        QVERIFY(!probe.isRemovableDevice("/dev/sdb1"));
    }

private:
    void addDisk(
        const QString &diskPath, const QByteArray &removable, const QStringList &partitions)
    {
        const QString sys = m_root.filePath("sys");
        const QString disk = sys + "/" + diskPath;
        QVERIFY(QDir().mkpath(disk));
        writeFile(disk + "/removable", removable + "\n");
        QVERIFY(QDir().mkpath(sys + "/class/block"));
        const QString name = QFileInfo(disk).fileName();
        QVERIFY(QFile::link("../../" + diskPath, sys + "/class/block/" + name));
        for (const QString &partition : partitions) {
            QVERIFY(QDir().mkpath(disk + "/" + partition));
            writeFile(disk + "/" + partition + "/partition", "1\n");
            QVERIFY(QFile::link(
                "../../" + diskPath + "/" + partition, sys + "/class/block/" + partition));
        }
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(RemovableVolumeProbeTest)
#include "tst_removablevolumeprobe.moc"
