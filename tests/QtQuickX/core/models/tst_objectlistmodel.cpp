#include "ObjectListModel.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

class Item : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name MEMBER m_name NOTIFY nameChanged)
    Q_PROPERTY(int value MEMBER m_value NOTIFY valueChanged)
    // Shares the notify signal of name.
    Q_PROPERTY(QString title READ title NOTIFY nameChanged)
    Q_PROPERTY(int fixed READ fixed CONSTANT)
public:
    explicit Item(const QString &name, int value = 0)
        : m_name(name)
        , m_value(value)
    { }
    QString title() const { return m_name.toUpper(); }
    int fixed() const { return 7; }
    void rename(const QString &name)
    {
        m_name = name;
        emit nameChanged();
    }
    void setValue(int value)
    {
        m_value = value;
        emit valueChanged();
    }

signals:
    void nameChanged();
    void valueChanged();

private:
    QString m_name;
    int m_value;
};

using Operation = std::function<void(ObjectListModel &, QObject *)>;
Q_DECLARE_METATYPE(Operation)

class ObjectListModelTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_items.clear();
        for (const char *name : { "A", "B", "C", "D" })
            m_items.push_back(std::make_unique<Item>(name));
        m_model = std::make_unique<ObjectListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(
            m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_model->setKnownRoles({ "name", "value" });
    }
    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
    }

    void warningsLeaveModelUnchanged_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("warning");
        const auto op = [](Operation f) {
            return f;
        };
        QTest::newRow("remove zero rows")
            << 2 << op([](ObjectListModel &m, QObject *) { m.remove(0, 0); })
            << "remove: indices [0 - 0] out of range [0 - 2]";
        QTest::newRow("remove past end")
            << 2 << op([](ObjectListModel &m, QObject *) { m.remove(2, 1); })
            << "remove: indices [2 - 3] out of range [0 - 2]";
        QTest::newRow("remove negative")
            << 2 << op([](ObjectListModel &m, QObject *) { m.remove(-1, 1); })
            << "remove: indices [-1 - 0] out of range [0 - 2]";
        QTest::newRow("insert past end")
            << 2 << op([](ObjectListModel &m, QObject *o) { m.insert(3, QVariant::fromValue(o)); })
            << "insert: index 3 out of range";
        QTest::newRow("insert negative")
            << 2 << op([](ObjectListModel &m, QObject *o) { m.insert(-1, QVariant::fromValue(o)); })
            << "insert: index -1 out of range";
        QTest::newRow("set past end")
            << 2 << op([](ObjectListModel &m, QObject *o) { m.set(3, o); })
            << "set: index 3 out of range";
        QTest::newRow("set negative")
            << 2 << op([](ObjectListModel &m, QObject *o) { m.set(-1, o); })
            << "set: index -1 out of range";
        QTest::newRow("setProperty past end")
            << 2 << op([](ObjectListModel &m, QObject *) { m.setProperty(2, "value", 1); })
            << "set: index 2 out of range";
        QTest::newRow("setProperty on empty model")
            << 0 << op([](ObjectListModel &m, QObject *) { m.setProperty(0, "value", 1); })
            << "set: index 0 out of range";
        QTest::newRow("move block past end")
            << 2 << op([](ObjectListModel &m, QObject *) { m.move(0, 1, 2); })
            << "move: out of range";
        QTest::newRow("move from negative")
            << 2 << op([](ObjectListModel &m, QObject *) { m.move(-1, 0, 1); })
            << "move: out of range";
        QTest::newRow("move negative count")
            << 2 << op([](ObjectListModel &m, QObject *) { m.move(0, 1, -1); })
            << "move: out of range";
        QTest::newRow("sync") << 2 << op([](ObjectListModel &m, QObject *) { m.sync(); })
                              << "List sync() can only be called from a WorkerScript";
    }
    void warningsLeaveModelUnchanged()
    {
        QFETCH(int, rows);
        QFETCH(Operation, operation);
        QFETCH(QString, warning);
        for (int i = 0; i < rows; ++i)
            m_model->append(QVariant::fromValue<QObject *>(m_items[i].get()));
        const QList<QObject *> before = objects();
        QSignalSpy reset(m_model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(m_model.get(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy moved(m_model.get(), &QAbstractItemModel::rowsMoved);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning) + "$"));
        operation(*m_model, m_items[3].get());
        QCOMPARE(objects(), before);
        QCOMPARE(
            inserted.count() + removed.count() + moved.count() + changed.count() + reset.count(),
            0);
    }

    void noWarningCases()
    {
        appendItems(2);
        QSignalSpy moved(m_model.get(), &QAbstractItemModel::rowsMoved);
        m_model->move(0, 0, 1);
        m_model->move(0, 1, 0);
        QCOMPARE(moved.count(), 0);
        m_model->insert(2, QVariant::fromValue<QObject *>(m_items[2].get()));
        m_model->set(3, m_items[3].get());
        QCOMPARE(objects(), allItems());
    }

    void move_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("order");
        QTest::newRow("first to last") << 0 << 3 << 1 << "BCDA";
        QTest::newRow("last to first") << 3 << 0 << 1 << "DABC";
        QTest::newRow("block forward") << 0 << 2 << 2 << "CDAB";
        QTest::newRow("block backward") << 2 << 1 << 2 << "ACDB";
        QTest::newRow("middle forward") << 1 << 2 << 1 << "ACBD";
    }
    void move()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, count);
        QFETCH(QString, order);
        appendItems(4);
        QSignalSpy moved(m_model.get(), &QAbstractItemModel::rowsMoved);
        QSignalSpy countChanged(m_model.get(), &ObjectListModel::countChanged);
        m_model->move(from, to, count);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(countChanged.count(), 0);
        QCOMPARE(names(), order);
        verifyRowNumbers();
    }

    void rowsRenumberedAfterInsertAndRemove()
    {
        appendItems(2); // A B
        m_model->insert(0, QVariant::fromValue<QObject *>(m_items[2].get())); // C A B
        QCOMPARE(names(), QString("CAB"));
        verifyRowNumbers();
        m_model->remove(0, 2); // B
        QCOMPARE(names(), QString("B"));
        verifyRowNumbers();
        m_model->insert(1,
            QVariantList { QVariant::fromValue<QObject *>(m_items[0].get()),
                QVariant::fromValue<QObject *>(m_items[3].get()) }); // B A D
        m_model->insert(1, QVariant::fromValue<QObject *>(m_items[2].get())); // B C A D
        QCOMPARE(names(), QString("BCAD"));
        verifyRowNumbers();
    }

    void appendListIsOneNotification()
    {
        QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy countChanged(m_model.get(), &ObjectListModel::countChanged);
        QVariantList list;
        for (const auto &item : m_items)
            list.append(QVariant::fromValue<QObject *>(item.get()));
        m_model->append(list);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 0);
        QCOMPARE(inserted.at(0).at(2).toInt(), 3);
        QCOMPARE(countChanged.count(), 1);
        m_model->append(QVariantList());
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(countChanged.count(), 1);
    }

    void nonObjectGivesEmptyRow()
    {
        m_model->append(QString("not an object"));
        QCOMPARE(m_model->count(), 1);
        QCOMPARE(m_model->get(0), nullptr);
        QVERIFY(!m_model->data(m_model->index(0), 0).isValid());
    }

    void dataAndRoles()
    {
        m_items[1]->setValue(5);
        appendItems(2);
        QCOMPARE(m_model->roleNames(), (QHash<int, QByteArray> { { 0, "name" }, { 1, "value" } }));
        QCOMPARE(m_model->data(m_model->index(1), 0).toString(), QString("B"));
        QCOMPARE(m_model->data(m_model->index(1), 1).toInt(), 5);
        QVERIFY(!m_model->data(m_model->index(1), 2).isValid());
        QVERIFY(!m_model->index(2).isValid());
        QVERIFY(!m_model->index(0, 1).isValid());
        QCOMPARE(m_model->get(2), nullptr);
    }

    void propertyChangeNotifiesCurrentRow()
    {
        appendItems(2);
        m_model->insert(0, QVariant::fromValue<QObject *>(m_items[2].get()));
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_items[1]->setValue(3);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 2);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> { 1 });
    }

    void knownRolesChangeRenumbersRoles()
    {
        appendItems(1);
        QSignalSpy rolesChanged(m_model.get(), &ObjectListModel::knownRolesChanged);
        m_model->setKnownRoles({ "name", "value" });
        QCOMPARE(rolesChanged.count(), 0);
        m_model->setKnownRoles({ "objectName", "fixed", "value" });
        QCOMPARE(rolesChanged.count(), 1);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_items[0]->rename("Z"); // no longer a known role
        m_items[0]->setObjectName("ignored");
        QCOMPARE(changed.count(), 0);
        m_items[0]->setValue(9);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> { 2 });
        QCOMPARE(m_model->data(m_model->index(0), 1).toInt(), 7);
    }

    void sharedNotifySignalReportsLaterRole()
    {
        m_model->setKnownRoles({ "name", "title" });
        appendItems(1);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_items[0]->rename("x");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> { 1 });
    }

    void setPropertyNotifiesOnce()
    {
        appendItems(1);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setProperty(0, "value", 4);
        QCOMPARE(m_items[0]->property("value").toInt(), 4);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> { 1 });
        QVERIFY(m_model->setData(m_model->index(0), "N", 0));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(m_items[0]->property("name").toString(), QString("N"));
    }

    void setPropertyOfUnknownNameAddsRole()
    {
        m_model->setKnownRoles({ "name" });
        appendItems(1);
        QSignalSpy rolesChanged(m_model.get(), &ObjectListModel::knownRolesChanged);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setProperty(0, "value", 8);
        QCOMPARE(m_model->knownRoles(), (QStringList { "name", "value" }));
        QCOMPARE(rolesChanged.count(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> { 1 });
        QCOMPARE(m_model->data(m_model->index(0), 1).toInt(), 8);
    }

    void dynamicPropertyIsNotNotified()
    {
        appendItems(1);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setProperty(0, "extra", 1);
        QVERIFY(!m_model->setData(m_model->index(0), 2, 2));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_items[0]->property("extra").toInt(), 2);
    }

    void setReplacesObject()
    {
        appendItems(2);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->set(1, m_items[1].get());
        QCOMPARE(changed.count(), 0);
        m_model->set(1, m_items[3].get());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), (QVector<int> { 0, 1 }));
        m_items[1]->setValue(1); // the replaced object is no longer watched
        QCOMPARE(changed.count(), 1);
        m_items[3]->setValue(1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(names(), QString("AD"));
    }

    void destroyedObjectLeavesEmptyRow()
    {
        appendItems(2);
        m_items[0].reset();
        QCOMPARE(m_model->count(), 2);
        QCOMPARE(m_model->get(0), nullptr);
        QVERIFY(!m_model->data(m_model->index(0), 0).isValid());
        QVERIFY(!m_model->setData(m_model->index(0), "x", 0));
        m_model->setProperty(0, "name", "x"); // nothing to write to, no warning
    }

    void sameObjectInTwoRows()
    {
        appendItems(1);
        m_model->append(QVariant::fromValue<QObject *>(m_items[0].get()));
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_items[0]->setValue(3);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(
            changed.at(0).at(0).toModelIndex().row() + changed.at(1).at(0).toModelIndex().row(), 1);
        m_model->remove(0, 1);
        m_items[0]->setValue(4);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.last().at(0).toModelIndex().row(), 0);
    }

    void receiverMayChangeModelDuringNotification()
    {
        appendItems(3);
        connect(m_model.get(), &QAbstractItemModel::dataChanged, m_model.get(),
            [this](const QModelIndex &index) {
                if (m_model->count() > 1)
                    m_model->remove(0, index.row() + 1);
            });
        m_items[1]->setValue(5);
        QCOMPARE(names(), QString("C"));
        verifyRowNumbers();
    }

    // Rows of one insertion share storage in blocks of a few hundred; rows removed, moved and
    // inserted across those blocks keep their own objects and positions, and the storage
    // outlives the model no longer than its rows.
    void rowsAcrossStorageBlocks()
    {
        std::vector<std::unique_ptr<Item>> many;
        const auto append = [&](int count) {
            QObjectList objects;
            for (int i = 0; i < count; ++i) {
                many.push_back(std::make_unique<Item>(QString::number(many.size())));
                objects.append(many.back().get());
            }
            return objects;
        };
        m_model->append(QVariant::fromValue(append(600)));
        m_model->remove(200, 150);
        m_model->move(0, 300, 100);
        m_model->insert(250, QVariant::fromValue(append(300)));
        QCOMPARE(m_model->count(), 750);
        QCOMPARE(m_model->get(0)->property("name").toString(), QString("100"));
        QCOMPARE(m_model->get(199)->property("name").toString(), QString("449"));
        QCOMPARE(m_model->get(250)->property("name").toString(), QString("600"));
        QCOMPARE(m_model->get(600)->property("name").toString(), QString("0"));
        QCOMPARE(m_model->get(749)->property("name").toString(), QString("599"));
        verifyRowNumbers();
        m_tester.reset();
        m_model.reset();
        for (const auto &item : many)
            item->setValue(-1); // nothing may still listen
    }

    void clear()
    {
        QSignalSpy countChanged(m_model.get(), &ObjectListModel::countChanged);
        QSignalSpy removed(m_model.get(), &QAbstractItemModel::rowsRemoved);
        m_model->clear();
        QCOMPARE(countChanged.count(), 0);
        appendItems(3);
        countChanged.clear();
        m_model->clear();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(2).toInt(), 2);
        QCOMPARE(countChanged.count(), 1);
        QCOMPARE(m_model->count(), 0);
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        m_items[0]->setValue(2);
        QCOMPARE(changed.count(), 0);
    }

private:
    void appendItems(int count)
    {
        for (int i = 0; i < count; ++i)
            m_model->append(QVariant::fromValue<QObject *>(m_items[i].get()));
    }
    QList<QObject *> objects() const
    {
        QList<QObject *> result;
        for (int i = 0; i < m_model->count(); ++i)
            result.append(m_model->get(i));
        return result;
    }
    QList<QObject *> allItems() const
    {
        QList<QObject *> result;
        for (const auto &item : m_items)
            result.append(item.get());
        return result;
    }
    QString names() const
    {
        QString result;
        for (int i = 0; i < m_model->count(); ++i)
            result += m_model->data(m_model->index(i), 0).toString();
        return result;
    }
    // Every row reports a change of its object under its current position.
    void verifyRowNumbers()
    {
        QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
        for (int row = 0; row < m_model->count(); ++row) {
            auto *item = static_cast<Item *>(m_model->get(row));
            item->setValue(item->property("value").toInt() + 1);
            QCOMPARE(changed.count(), row + 1);
            QCOMPARE(changed.last().at(0).toModelIndex().row(), row);
        }
    }

    std::vector<std::unique_ptr<Item>> m_items;
    std::unique_ptr<ObjectListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

QTEST_GUILESS_MAIN(ObjectListModelTest)
#include "tst_objectlistmodel.moc"
