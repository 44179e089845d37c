#pragma once

#include <QObject>

// A plain object with two notifying properties, as rows of an ObjectListModel.
class BenchItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
public:
    BenchItem(const QString &name, int value, QObject *parent);

    QString name() const { return m_name; }
    void setName(const QString &name);
    int value() const { return m_value; }
    void setValue(int value);

signals:
    void nameChanged();
    void valueChanged();

private:
    QString m_name;
    int m_value;
};
