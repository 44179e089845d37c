#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QQmlParserStatus>

// A non-visual container in which QML declares child objects; reports its parent once built.
class QQmlObject : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QQmlListProperty<QObject> data READ data)
    Q_PROPERTY(QObject *qmlParent READ qmlParent NOTIFY qmlParentChanged)
    Q_CLASSINFO("DefaultProperty", "data")
public:
    explicit QQmlObject(QObject *parent = nullptr);

    QQmlListProperty<QObject> data();
    QObject *qmlParent() const { return m_qmlParent; }

    void classBegin() override;
    void componentComplete() override;

signals:
    void qmlParentChanged();
    void constructed(QObject *qmlParent);

private:
    static void appendData(QQmlListProperty<QObject> *list, QObject *object);
    static int dataCount(QQmlListProperty<QObject> *list);
    static QObject *dataAt(QQmlListProperty<QObject> *list, int index);
    static void clearData(QQmlListProperty<QObject> *list);

    // References only: the declared objects belong to whoever their parent is.
    QList<QPointer<QObject>> m_data;
    QPointer<QObject> m_qmlParent;
};
